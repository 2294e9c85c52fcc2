// One playing WAV segment: its samples resampled to the output rate, following the segment's start
// point, loop and end in music time (a wave runs at the default tempo: 1536 ticks a second).
#pragma once

#include "platform/segment_clock.h"
#include "platform/wav_file.h"

#include <memory>

namespace plat {

// The music time a wave lasts.
int32_t wave_music_length(const wave_t& wave);

class wave_voice_t {
  public:
    wave_voice_t(std::shared_ptr<const wave_t> wave, const segment_params_t& params, uint32_t output_rate);

    // Adds the next frames to the interleaved stereo out.
    void render_add(float* out, int frames);
    // Moves the segment's music time on, returning to the loop start when the loop ends.
    void advance(int32_t ticks);

    bool ended() const { return clock_.ended(); }
    int32_t position() const { return clock_.position(); }

  private:
    struct walker_t;

    double frame_at(int32_t music_time) const;

    std::shared_ptr<const wave_t> wave_;
    segment_clock_t clock_;
    double step_;
    double frame_;
};

} // namespace plat
