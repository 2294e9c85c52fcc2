// Twister002: a chain of small fighters behind an invisible leader that flies out straight, turns once
// toward the ship when it passes the ship's line, and runs on; four kinds by first direction and turn.
// Hatches hold such chains and launch them again and again from their own position.
#pragma once

#include "objects/enemy.h"
#include "player/poslog.h"

#include <cstdint>

namespace twister002 {

class member_t;

// Where members may fly: x0 <= x < x1 and y0 <= y < y1.
struct field_t {
    int32_t x0;
    int32_t y0;
    int32_t x1;
    int32_t y1;
};

class leader_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    void move_x(int32_t d) override;
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    // Every move of the leader is a step of its history.
    void set_position(float new_x, float new_y) override;
    // Fills the history with the current position and lives again.
    void start() override;
    void kill() override {}
    void damage(int32_t) override {}
    int32_t max_hp() override { return 0; }
    int32_t contact_damage() override { return 0; }
    int32_t image_id() override { return -1; }

    // A history of 16 frames per member, all at the leader's position.
    void set_member_count(int32_t count);
    // Members 16 frames apart inside the field; a member whose place lies outside is switched off, and a
    // chain without members ends.
    void place_members(const field_t& field);

    // What a hatch does: every object of the chain switched off, without explosion.
    void park();
    // What a hatch does to release the chain from (x, y): the leader restarted there, then the first
    // `members` members of the chain (dead ones too) restarted there on pattern 0.
    void launch(float at_x, float at_y, int32_t members);

    member_t* first = nullptr;
    member_t* last_member = nullptr;
    poslog_t log;
};

// What sets the four kinds apart: the launch velocity (the turn comes once the leader has passed the
// ship's line along it, and heads along the other axis toward the ship), the field, and whether the
// leader stands still while left of x -32.
struct kind_data_t {
    float launch_vx;
    float launch_vy;
    field_t field;
    bool frozen_left;
};

// The script of every kind: a launch run of 17 frames, a wait for the ship's line, one turn.
class kind_t : public leader_t {
  public:
    kind_t(const objectinfo_t* info, float x, float y, uint32_t key, const kind_data_t& kind)
        : leader_t(info, x, y, key), kind(kind) {}

    void update() override;
    void start() override;

    const kind_data_t& kind;
    int32_t state = 0; // 0 launch run, 1 waiting for the turn, 2 final run
    uint32_t timer = 0;
    float vx = 0;
    float vy = 0;
};

extern const kind_data_t kind_a; // down
extern const kind_data_t kind_b; // up
extern const kind_data_t kind_c; // left; never leaves at the right
extern const kind_data_t kind_d; // right; never removed at the left

class leaderA_t : public kind_t {
  public:
    leaderA_t(const objectinfo_t* info, float x, float y, uint32_t key) : kind_t(info, x, y, key, kind_a) {}
};

class leaderB_t : public kind_t {
  public:
    leaderB_t(const objectinfo_t* info, float x, float y, uint32_t key) : kind_t(info, x, y, key, kind_b) {}
};

class leaderC_t : public kind_t {
  public:
    leaderC_t(const objectinfo_t* info, float x, float y, uint32_t key) : kind_t(info, x, y, key, kind_c) {}
};

class leaderD_t : public kind_t {
  public:
    leaderD_t(const objectinfo_t* info, float x, float y, uint32_t key) : kind_t(info, x, y, key, kind_d) {}
};

class member_t : public enemy_t {
  public:
    using enemy_t::enemy_t;

    // Dies on terrain.
    void update() override;
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void damage(int32_t n) override;

    member_t* prev = nullptr;
    member_t* next = nullptr;
};

} // namespace twister002
