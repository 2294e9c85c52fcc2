// The sound manager, one global instance: the scene's music from four table slots, and 128 sound effects
// requested by id during a frame and played once at its end.
#pragma once

#include "platform/types.h"
#include "umlib/music.h"

#include <array>
#include <cstdint>

using progress_callback_t = void (*)(plat::hwnd_t window, int32_t percent);

struct bgm_slot_t {
    umlib::segment_t* segment = nullptr; // owned; null = empty
    int32_t start_point = 0;
    int32_t loop_start = 0;
    int32_t loop_end = 0; // the segment's length where the table says 0
};

class soundctr_t {
  public:
    static constexpr int bgm_slot_count = 4;
    static constexpr int se_count = 128;

    soundctr_t();
    soundctr_t(const soundctr_t&) = delete;
    soundctr_t& operator=(const soundctr_t&) = delete;

    void reset();
    // The reverb flag picks the performances' audio path type.
    bool create(plat::hwnd_t window, bool reverb);
    void destroy();

    // Without the performances (a manager that could not be made) nothing loads and nothing fails.
    bool load_bgm_table(const char* path);
    void clear_bgm_table();
    bool load_se_table(const char* path);
    void clear_se_table();

    void request_se(int32_t id);
    void play_requested_se();

    void select_bgm(int32_t slot);
    void start_bgm();
    void stop_bgm();
    void pause_bgm(bool pause);
    void set_bgm_volume(int32_t volume);
    void add_bgm_volume(int32_t delta);
    void set_bgm_off(bool off);
    // Hundredths of a decibel, passed to each performance as they are.
    void set_master_volumes(int32_t bgm, int32_t se);

    plat::hwnd_t window;
    umlib::music_t* music;
    umlib::segment_group_t* se_group;
    std::array<umlib::segment_t*, se_count> se_segments;
    umlib::segment_group_t* bgm_group;
    umlib::segment_t* current_bgm; // borrowed from its slot
    std::array<bgm_slot_t, bgm_slot_count> bgm_slots;
    int32_t pause_position;
    bool bgm_off;
    bool playing;
    bool paused;
    int32_t bgm_volume;
    std::array<int32_t, se_count> se_states; // 0 idle, 2 requested this frame, 1 played last frame
    progress_callback_t progress;

  private:
    void replace_bgm_segment(bgm_slot_t& slot, umlib::segment_t* segment);
};

extern soundctr_t g_soundctr;
