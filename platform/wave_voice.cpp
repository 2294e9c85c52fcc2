#include "platform/wave_voice.h"

#include "platform/midi_file.h"

#include <algorithm>
#include <cmath>

namespace plat {

namespace {

constexpr double ticks_per_second = music_ticks_per_quarter * 1e6 / default_quarter_microseconds;

} // namespace

struct wave_voice_t::walker_t {
    wave_voice_t& voice;

    void span(int32_t, int32_t, int32_t) {}
    void jump(int32_t) { voice.frame_ = voice.frame_at(voice.clock_.loop_start()); }
};

int32_t wave_music_length(const wave_t& wave) {
    if (wave.rate == 0) {
        return 0;
    }
    const double length = std::ceil(double(wave.frames()) * ticks_per_second / wave.rate);
    return int32_t(std::min(length, 2147483647.0));
}

wave_voice_t::wave_voice_t(std::shared_ptr<const wave_t> wave, const segment_params_t& params,
                           uint32_t output_rate)
    : wave_(std::move(wave)), clock_(params), step_(double(wave_->rate) / output_rate),
      frame_(frame_at(params.start_point)) {}

void wave_voice_t::render_add(float* out, int frames) {
    const std::vector<float>& s = wave_->samples;
    const size_t count = wave_->frames();
    const bool stereo = wave_->channels == 2;
    for (int i = 0; i < frames && frame_ < double(count); ++i, frame_ += step_) {
        const size_t at = size_t(frame_);
        const size_t next = std::min(at + 1, count - 1);
        const float t = float(frame_ - double(at));
        const size_t right = stereo ? 1 : 0;
        const size_t width = wave_->channels;
        out[2 * i] += s[at * width] + (s[next * width] - s[at * width]) * t;
        out[2 * i + 1] += s[at * width + right] + (s[next * width + right] - s[at * width + right]) * t;
    }
}

void wave_voice_t::advance(int32_t ticks) {
    walker_t walker{*this};
    clock_.advance(ticks, walker);
}

double wave_voice_t::frame_at(int32_t music_time) const {
    return std::max(0.0, double(music_time) * wave_->rate / ticks_per_second);
}

} // namespace plat
