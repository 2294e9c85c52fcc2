// The shield in front of the ship: it absorbs the record's hit points in hits, each followed by 8 frames
// in which further hits are ignored, and wears its picture down as it goes.
#pragma once

#include "objects/object.h"

class shield_t : public object_t {
  public:
    explicit shield_t(const objectinfo_t* info) : object_t(info, 0, 0) {}

    void update() override;
    // The shield stands 8 pixels behind the point it is given.
    void set_position(float new_x, float new_y) override;
    void start() override;
    void kill() override;
    void damage(int32_t n) override;
    bool is_flashing() override { return false; }
    int32_t image_id() override { return image; }

    int32_t immunity = 0; // frames during which hits are ignored
    int32_t image = -1;   // -1: hidden
};
