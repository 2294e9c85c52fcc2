// What the settings scene asks of the sound manager, so that a test can see the order of its requests.
#pragma once

#include <cstdint>

class config_sound_t {
  public:
    virtual ~config_sound_t() = default;
    virtual void request_se(int32_t id);
    virtual void play_requested_se();
    // Takes the manager down and makes it again on its window with the reverb flag, effects included;
    // when it cannot be made the game goes on silent, and the boot log says so once.
    virtual void rebuild(bool reverb);
    virtual void set_bgm_off(bool off);
    virtual void set_master_volumes(int32_t bgm, int32_t se);
};
