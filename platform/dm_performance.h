// Stand-in for a DirectMusic performance and its default audio path: one primary and any number of
// secondary segments in music time, MIDI through its own synthesizer, waves as voices, volumes in 1/100 dB.
#pragma once

#include "platform/dm_segment.h"
#include "platform/segment_state.h"
#include "platform/synth_loader.h"

#include <memory>
#include <vector>

namespace plat {

// Default audio path types.
constexpr uint32_t dmus_apath_shared_stereoplusreverb = 1;
constexpr uint32_t dmus_apath_dynamic_stereo = 8;
// Play flag: a secondary segment plays over the primary one instead of replacing it.
constexpr uint32_t dmus_segf_secondary = 0x80;
constexpr int32_t lowest_volume = -9600;

class dm_audio_path_t {
  public:
    explicit dm_audio_path_t(uint32_t type) : type_(type) {}

    // Limited to lowest_volume..0.
    void set_volume(int32_t volume);
    int32_t volume() const { return volume_; }
    uint32_t type() const { return type_; }

  private:
    uint32_t type_;
    int32_t volume_ = 0;
};

class dm_performance_t {
  public:
    dm_performance_t() = default;
    ~dm_performance_t();
    dm_performance_t(const dm_performance_t&) = delete;
    dm_performance_t& operator=(const dm_performance_t&) = delete;

    // The reverb path type turns the synthesizer's reverb on. Fails for an unknown path type, no
    // channels, a second call, or no sound device.
    hresult_t init_audio(uint32_t default_path_type, uint32_t channel_count);
    // Null until the audio is initialised; owned by the performance.
    dm_audio_path_t* get_default_audio_path() const { return path_.get(); }
    // Stops everything and leaves the device; the performance can be deleted afterwards.
    void close_down();

    // A segment must be downloaded to play. The first MIDI segment with instruments starts loading the
    // synthesizer and returns at once; songs played meanwhile wait for it and begin when it arrives.
    hresult_t download(const dm_segment_t* segment);
    // Stops the segment's plays and forgets it.
    hresult_t unload(const dm_segment_t* segment);
    // Starts at once; without dmus_segf_secondary the segment replaces the primary one. path: null or
    // the default path.
    hresult_t play_segment_ex(const dm_segment_t* segment, uint32_t flags, const dm_audio_path_t* path);
    // Stops every play of the segment, or of everything when it is null.
    hresult_t stop_ex(const dm_segment_t* segment);

    hresult_t get_time(int32_t* music_time) const;
    // When the playing primary segment started; a song still waiting for the synthesizer starts now.
    hresult_t get_primary_start_time(int32_t* start_time) const;

    // Master volume in hundredths of a decibel, limited to lowest_volume..0.
    void set_master_volume(int32_t volume);
    int32_t master_volume() const { return master_volume_; }
    // True while a synthesizer with its reverb on is loaded.
    bool synth_reverb() const;
    // Blocks until the synthesizer's load has ended; the next block of the mix takes it.
    void wait_for_synth_for_test();

    // Adds the next frames to out (interleaved stereo); called by the mix with audio_mutex() held.
    void render_add(float* out, int frames);

  private:
    class silent_sink_t : public midi_sink_t {
        void send(const midi_event_t&, int32_t) override {}
    };

    midi_sink_t& sink() { return synth_ ? static_cast<midi_sink_t&>(*synth_) : silent_; }
    void take_loaded_synth();
    int32_t take_ticks(int frames);
    void stop_where(const dm_segment_t* segment, bool primary_only);
    float gain() const;

    bool initialised_ = false;
    std::unique_ptr<dm_audio_path_t> path_;
    std::unique_ptr<synth_t> synth_;
    std::unique_ptr<synth_loader_t> synth_loader_;
    bool synth_loading_ = false;
    silent_sink_t silent_;
    std::vector<const dm_segment_t*> downloaded_;
    std::vector<std::unique_ptr<segment_state_t>> states_;
    uint32_t music_time_ = 0; // wraps like the 32-bit music time it stands for
    double tick_fraction_ = 0;
    int32_t master_volume_ = 0;
    float applied_gain_ = 1.0f;
    bool was_sounding_ = false;
    std::vector<float> block_;
    std::vector<float> synth_block_;
};

} // namespace plat
