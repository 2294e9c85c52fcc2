// Stand-in for a DirectMusic segment: the content of one MIDI or WAV file and the settings a play
// starts from (start point, loop points, repeat count), all in music time.
#pragma once

#include "platform/midi_file.h"
#include "platform/segment_clock.h"
#include "platform/types.h"
#include "platform/wav_file.h"

#include <memory>
#include <string>

namespace plat {

constexpr hresult_t s_ok = 0;
constexpr hresult_t e_fail = hresult_t(0x80004005u);
constexpr hresult_t e_invalidarg = hresult_t(0x80070057u);

class dm_segment_t {
  public:
    // collection: the soundfont its instruments come from; empty for none (the music is silent).
    dm_segment_t(std::shared_ptr<const midi_song_t> song, std::string collection);
    explicit dm_segment_t(std::shared_ptr<const wave_t> wave);

    // e_invalidarg, the setting unchanged, unless 0 <= point < length.
    hresult_t set_start_point(int32_t point);
    // End 0 stands for the length. e_invalidarg, the setting unchanged, unless 0 <= start < end <= length.
    hresult_t set_loop_points(int32_t start, int32_t end);
    void set_repeats(uint32_t repeats) { params_.repeats = repeats; }
    // Marks the file as a plain Standard MIDI File: the channels start from General MIDI defaults.
    void set_standard_midi_file() { standard_midi_file_ = true; }

    int32_t start_point() const { return params_.start_point; }
    int32_t loop_start() const { return params_.loop_start; }
    int32_t loop_end() const { return params_.loop_end; }
    int32_t length() const { return params_.length; }
    uint32_t repeats() const { return params_.repeats; }
    const segment_params_t& params() const { return params_; }
    bool standard_midi_file() const { return standard_midi_file_; }

    // Exactly one of the two is set.
    const std::shared_ptr<const midi_song_t>& song() const { return song_; }
    const std::shared_ptr<const wave_t>& wave() const { return wave_; }
    const std::string& collection() const { return collection_; }

  private:
    std::shared_ptr<const midi_song_t> song_;
    std::shared_ptr<const wave_t> wave_;
    std::string collection_;
    segment_params_t params_;
    bool standard_midi_file_ = false;
};

} // namespace plat
