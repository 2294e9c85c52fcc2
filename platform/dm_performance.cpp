#include "platform/dm_performance.h"

#include "platform/audio_device.h"
#include "platform/audio_mixer.h"

#include <algorithm>
#include <cmath>

namespace plat {

namespace {

// Messages reach the synthesizer between blocks of this many frames (under 1.5 ms).
constexpr int render_block = 64;
// The fastest tempo played (1000 beats a minute), so a broken tempo cannot race the clock.
constexpr uint32_t shortest_quarter_microseconds = 60000;

float decibel_gain(int32_t hundredths) {
    return hundredths <= lowest_volume ? 0.0f : float(std::pow(10.0, hundredths / 2000.0));
}

int32_t limit_volume(int32_t volume) {
    return std::clamp(volume, lowest_volume, 0);
}

} // namespace

void dm_audio_path_t::set_volume(int32_t volume) {
    std::lock_guard<std::mutex> lock(audio_mutex());
    volume_ = limit_volume(volume);
}

dm_performance_t::~dm_performance_t() {
    close_down();
}

hresult_t dm_performance_t::init_audio(uint32_t default_path_type, uint32_t channel_count) {
    const bool known = default_path_type == dmus_apath_shared_stereoplusreverb ||
                       default_path_type == dmus_apath_dynamic_stereo;
    if (!known || channel_count == 0) {
        return e_invalidarg;
    }
    if (initialised_ || !audio_device_acquire()) {
        return e_fail;
    }
    std::lock_guard<std::mutex> lock(audio_mutex());
    path_ = std::make_unique<dm_audio_path_t>(default_path_type);
    block_.assign(2 * render_block, 0.0f);
    synth_block_.assign(2 * render_block, 0.0f);
    initialised_ = true;
    mixer_attach(this);
    return s_ok;
}

void dm_performance_t::close_down() {
    if (!initialised_) {
        return;
    }
    std::unique_ptr<synth_loader_t> loader;
    {
        std::lock_guard<std::mutex> lock(audio_mutex());
        mixer_detach(this);
        states_.clear();
        downloaded_.clear();
        synth_.reset();
        loader = std::move(synth_loader_);
        synth_loading_ = false;
        path_.reset();
        initialised_ = false;
    }
    // Outside the lock, so the mix goes on: closing the device waits for its last pull, which takes the
    // lock; a load still running is waited for as the loader goes, at the end.
    audio_device_release();
}

hresult_t dm_performance_t::download(const dm_segment_t* segment) {
    if (!initialised_ || segment == nullptr) {
        return e_fail;
    }
    std::lock_guard<std::mutex> lock(audio_mutex());
    if (segment->song() && !segment->collection().empty() && !synth_loader_) {
        synth_loader_ = std::make_unique<synth_loader_t>(
            segment->collection(), path_->type() == dmus_apath_shared_stereoplusreverb, audio_sample_rate);
        synth_loading_ = true;
    }
    if (std::find(downloaded_.begin(), downloaded_.end(), segment) == downloaded_.end()) {
        downloaded_.push_back(segment);
    }
    return s_ok;
}

hresult_t dm_performance_t::unload(const dm_segment_t* segment) {
    std::lock_guard<std::mutex> lock(audio_mutex());
    stop_where(segment, false);
    const auto before = downloaded_.size();
    std::erase(downloaded_, segment);
    return downloaded_.size() < before ? s_ok : e_invalidarg;
}

hresult_t dm_performance_t::play_segment_ex(const dm_segment_t* segment, uint32_t flags,
                                            const dm_audio_path_t* path) {
    std::lock_guard<std::mutex> lock(audio_mutex());
    if (!initialised_ || (path != nullptr && path != path_.get())) {
        return e_invalidarg;
    }
    if (std::find(downloaded_.begin(), downloaded_.end(), segment) == downloaded_.end()) {
        return e_fail;
    }
    const bool primary = (flags & dmus_segf_secondary) == 0;
    if (primary) {
        stop_where(nullptr, true);
    }
    auto state =
        std::make_unique<segment_state_t>(*segment, int32_t(music_time_), primary, audio_sample_rate);
    // While the synthesizer loads, a song waits for it rather than lose its first notes to no one.
    if (state->waiting() && !synth_loading_) {
        state->begin(int32_t(music_time_), sink());
    }
    states_.push_back(std::move(state));
    return s_ok;
}

hresult_t dm_performance_t::stop_ex(const dm_segment_t* segment) {
    std::lock_guard<std::mutex> lock(audio_mutex());
    stop_where(segment, false);
    return initialised_ ? s_ok : e_fail;
}

hresult_t dm_performance_t::get_time(int32_t* music_time) const {
    std::lock_guard<std::mutex> lock(audio_mutex());
    if (!initialised_) {
        return e_fail;
    }
    *music_time = int32_t(music_time_);
    return s_ok;
}

hresult_t dm_performance_t::get_primary_start_time(int32_t* start_time) const {
    std::lock_guard<std::mutex> lock(audio_mutex());
    for (const auto& state : states_) {
        if (state->primary()) {
            *start_time = state->waiting() ? int32_t(music_time_) : state->start_time();
            return s_ok;
        }
    }
    return e_fail;
}

void dm_performance_t::set_master_volume(int32_t volume) {
    std::lock_guard<std::mutex> lock(audio_mutex());
    master_volume_ = limit_volume(volume);
}

bool dm_performance_t::synth_reverb() const {
    std::lock_guard<std::mutex> lock(audio_mutex());
    return synth_ && synth_->reverb();
}

void dm_performance_t::wait_for_synth_for_test() {
    if (synth_loader_) {
        synth_loader_->wait();
    }
}

void dm_performance_t::render_add(float* out, int frames) {
    for (int done = 0; done < frames;) {
        take_loaded_synth();
        const int n = std::min(frames - done, render_block);
        const int32_t ticks = take_ticks(n);
        music_time_ += uint32_t(ticks);
        // After a silence a new sound starts at the gain in force, not from the old one.
        if (!was_sounding_) {
            applied_gain_ = gain();
        }
        was_sounding_ = !states_.empty();
        std::fill(block_.begin(), block_.end(), 0.0f);
        for (const auto& state : states_) {
            state->play_block(ticks, sink(), block_.data(), n);
        }
        std::erase_if(states_, [](const auto& state) { return state->ended(); });
        if (synth_) {
            synth_->render(synth_block_.data(), n);
            std::transform(block_.begin(), block_.begin() + 2 * n, synth_block_.begin(), block_.begin(),
                           std::plus<float>());
        }
        // The gain glides across the block, so a volume step does not click.
        const float target = gain();
        for (int i = 0; i < n; ++i) {
            const float g = applied_gain_ + (target - applied_gain_) * float(i + 1) / float(n);
            out[2 * (done + i)] += block_[2 * i] * g;
            out[2 * (done + i) + 1] += block_[2 * i + 1] * g;
        }
        applied_gain_ = target;
        done += n;
    }
}

// With audio_mutex() held. A failed load leaves the waiting songs to play silently, as without a soundfont.
void dm_performance_t::take_loaded_synth() {
    if (!synth_loading_ || !synth_loader_->done()) {
        return;
    }
    synth_ = synth_loader_->take();
    synth_loading_ = false;
    for (const auto& state : states_) {
        if (state->waiting()) {
            state->begin(int32_t(music_time_), sink());
        }
    }
}

int32_t dm_performance_t::take_ticks(int frames) {
    uint32_t quarter = default_quarter_microseconds;
    for (const auto& state : states_) {
        if (state->primary()) {
            quarter = state->quarter_microseconds();
        }
    }
    quarter = std::max(quarter, shortest_quarter_microseconds);
    const double ticks = tick_fraction_ + double(frames) * music_ticks_per_quarter * 1e6 /
                                              (double(quarter) * audio_sample_rate);
    const double whole = std::floor(ticks);
    tick_fraction_ = ticks - whole;
    return int32_t(whole);
}

void dm_performance_t::stop_where(const dm_segment_t* segment, bool primary_only) {
    std::erase_if(states_, [&](const auto& state) {
        const bool match =
            primary_only ? state->primary() : segment == nullptr || state->segment() == segment;
        if (match) {
            state->stop(sink());
        }
        return match;
    });
}

float dm_performance_t::gain() const {
    return decibel_gain(master_volume_) * decibel_gain(path_->volume());
}

} // namespace plat
