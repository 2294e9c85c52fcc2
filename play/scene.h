// The base of every scene: the scene controller builds one by id, starts it once, runs one frame of it
// per tick, hands it the key-down messages and deletes it when the next scene is due.
#pragma once

#include <cstdint>

class scene_t {
  public:
    virtual ~scene_t() = default;
    // Loads what the scene needs; false ends the application with the boot log shown.
    virtual bool startup() { return true; }
    // Update, draw and present one frame.
    virtual void frame() = 0;
    virtual void set_pause(bool) {}
    virtual int32_t query() { return 0; }
    // A virtual-key code, between frames.
    virtual void on_key(int32_t) {}
};
