// The root of every game object, and the object that owns a death explosion. The play scene updates,
// scrolls, collides and draws any object through these virtual operations without knowing its class.
#pragma once

#include "objects/objectinfo.h"
#include "platform/types.h"

#include <cstdint>

class explosion_t;

// y moved by d, its integer part wrapped into -128..383 and its fraction kept: the camera shift's move.
float wrapped_y(float y, int32_t d);

class object_t {
  public:
    object_t(const objectinfo_t* info, float x, float y);
    virtual ~object_t();
    object_t(const object_t&) = delete;
    object_t& operator=(const object_t&) = delete;

    virtual void update() {}
    virtual void move_x(int32_t d);
    virtual void move_y(int32_t d);
    // The integer part of the new y wraps into -128..383; the fraction stays.
    virtual void move_y_wrapped(int32_t d);
    virtual void set_position(float new_x, float new_y);
    // A live view of (x, y): later moves show through it.
    virtual float* position() { return &x; }
    virtual void get_rect(plat::rect_t& out);
    virtual int32_t scale() { return 100; }
    virtual int32_t get_hp() { return hp; }
    virtual void start();
    virtual void kill();
    virtual void damage(int32_t n);
    virtual bool is_flashing();
    virtual int32_t type_id() { return info->id; }
    virtual int32_t score() { return info->score; }
    virtual int32_t width() { return info->width; }
    virtual int32_t height() { return info->height; }
    virtual int32_t max_hp() { return info->hit_points; }
    virtual int32_t contact_damage() { return info->contact_damage; }
    virtual int32_t blend_mode() { return info->blend_mode; }
    virtual int32_t list_index() { return info->list_index; }
    virtual int32_t image_id() { return info->image_id; }

    const objectinfo_t* info;
    uint8_t alive;
    // x then y, so that position() hands out the pair.
    float x;
    float y;
    int32_t hp;
    int32_t pattern; // cell: column pattern & 7, row pattern >> 3
    uint32_t last_hit;
};

class piveter_t : public object_t {
  public:
    piveter_t(const objectinfo_t* info, float x, float y) : object_t(info, x, y) {}

    void kill() override;
    // Starts the death explosion there unless it is still running.
    virtual void explode_at(float at_x, float at_y);

    // Keeps the explosion dormant until this object dies; null is ignored.
    void attach_explosion(explosion_t* death_explosion);

    explosion_t* explosion = nullptr; // owned by the stage's explosion list
};
