// A playing segment's own music time: from its start point through its loop, repeated as often as
// asked, to its end. Shared by the MIDI sequencer and the wave voices.
#pragma once

#include <cstdint>

namespace plat {

constexpr uint32_t repeat_infinite = 0xFFFFFFFF;

// What a segment is set to when it starts; loop end 0 stands for the length.
struct segment_params_t {
    int32_t length = 0;
    int32_t start_point = 0;
    int32_t loop_start = 0;
    int32_t loop_end = 0;
    uint32_t repeats = 0;
};

class segment_clock_t {
  public:
    explicit segment_clock_t(const segment_params_t& params);

    // Walks ticks forward. The walker's span(from, to, elapsed) is called for each stretch played, where
    // elapsed counts the ticks of this call before the stretch; jump(elapsed) after each return to the
    // loop start. Returns the ticks walked, fewer than asked when the segment ended.
    template <class walker_t> int32_t advance(int32_t ticks, walker_t& walker) {
        int32_t elapsed = 0;
        while (elapsed < ticks && !ended_) {
            const bool loops = loops_left_ != 0 && position_ < loop_end_;
            const int32_t boundary = loops ? loop_end_ : length_;
            if (position_ >= boundary) {
                ended_ = true;
                break;
            }
            const int32_t step =
                boundary - position_ < ticks - elapsed ? boundary - position_ : ticks - elapsed;
            walker.span(position_, position_ + step, elapsed);
            position_ += step;
            elapsed += step;
            if (position_ == boundary) {
                if (!loops) {
                    ended_ = true;
                } else {
                    take_loop();
                    walker.jump(elapsed);
                }
            }
        }
        return elapsed;
    }

    int32_t position() const { return position_; }
    int32_t loop_start() const { return loop_start_; }
    bool ended() const { return ended_; }

  private:
    void take_loop();

    int32_t length_;
    int32_t position_;
    int32_t loop_start_;
    int32_t loop_end_;
    uint32_t loops_left_;
    bool ended_ = false;
};

} // namespace plat
