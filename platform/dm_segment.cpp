#include "platform/dm_segment.h"

#include "platform/wave_voice.h"

namespace plat {

dm_segment_t::dm_segment_t(std::shared_ptr<const midi_song_t> song, std::string collection)
    : song_(std::move(song)), collection_(std::move(collection)) {
    params_.length = song_->length;
}

dm_segment_t::dm_segment_t(std::shared_ptr<const wave_t> wave) : wave_(std::move(wave)) {
    params_.length = wave_music_length(*wave_);
}

hresult_t dm_segment_t::set_start_point(int32_t point) {
    if (point < 0 || (point >= params_.length && point != 0)) {
        return e_invalidarg;
    }
    params_.start_point = point;
    return s_ok;
}

hresult_t dm_segment_t::set_loop_points(int32_t start, int32_t end) {
    const int32_t last = end == 0 ? params_.length : end;
    if (start < 0 || last > params_.length || (start >= last && !(start == 0 && last == 0))) {
        return e_invalidarg;
    }
    params_.loop_start = start;
    params_.loop_end = end;
    return s_ok;
}

} // namespace plat
