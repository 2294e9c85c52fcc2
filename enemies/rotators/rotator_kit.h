// What the rotator families share: the one-step turn, moves along a direction, the phase machine that
// runs a new phase in the frame it is entered, and the lasers that only terrain or a forced kill stop.
#pragma once

#include "objects/enemy.h"
#include "objects/missile.h"

#include <cstdint>
#include <vector>

class stage_t;
struct objectinfo_t;
struct placement_t;

namespace rotators {

constexpr int32_t se_hit = 48;
constexpr int32_t se_destroyed = 41;
constexpr int32_t se_fan = 49;
constexpr uint32_t one_section = 0x10000;

// One step from current toward target by the shorter way, + on a tie; 0..63.
int32_t turn_step(int32_t current, int32_t target);
// The signed shortest turn from current to target, -31..32.
int32_t shortest_turn(int32_t current, int32_t target);
// Direction from a point to the ship; 0 without a ship.
int32_t direction_to_ship(const float* from);
// Stage position past the appearance key.
uint32_t stage_past(uint32_t key);
// Places o at v pixels along direction d.
void move_along(object_t& o, int32_t d, float v);
bool off_box(const object_t& o, float low, float high);
// The damage of rotator001 to rotator003: nothing for 0, else the enemy rule, the hit sound, and on death
// its sound and from level 4 a revenge bullet.
void dasher_damage(enemy_t& e, int32_t n);

// A phase and the frames spent in it. go() changes it; run() dispatches until a phase stays.
struct phases_t {
    int32_t phase = 0;
    uint32_t timer = 0;
    bool changed = false;

    void go(int32_t next) {
        phase = next;
        timer = 0;
        changed = true;
    }
    template <typename F> void run(F&& step) {
        do {
            changed = false;
            step(phase);
        } while (changed);
    }
};

// A laser whose ordinary hits do nothing: only 9000 or more (terrain, a forced kill) counts.
class laser_t : public missile_t {
  public:
    using missile_t::missile_t;

    void start() override;
    void damage(int32_t n) override;

    phases_t p;

  protected:
    void set_speed(float s);
    // The velocity's move, the bounds and the terrain, then a frame more.
    void fly();
};

// Starts the effect at (x, y), places the shot there with direction d and pattern d & 31, and starts it.
void fire_from(missile_t* shot, float x, float y, int32_t d, float speed);

} // namespace rotators
