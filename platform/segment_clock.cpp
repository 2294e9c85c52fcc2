#include "platform/segment_clock.h"

namespace plat {

segment_clock_t::segment_clock_t(const segment_params_t& params)
    : length_(params.length), position_(params.start_point), loop_start_(params.loop_start),
      loop_end_(params.loop_end == 0 ? params.length : params.loop_end), loops_left_(params.repeats) {
    // An empty or inverted loop never repeats.
    if (loop_start_ < 0 || loop_start_ >= loop_end_) {
        loops_left_ = 0;
    }
}

void segment_clock_t::take_loop() {
    if (loops_left_ != repeat_infinite) {
        --loops_left_;
    }
    position_ = loop_start_;
}

} // namespace plat
