// Twister001: a chain of small fighters behind an invisible leader that flies a sine wave from right to
// left; every member carries a flame and fires its own two shots at the ship.
#pragma once

#include "objects/enemy.h"
#include "player/poslog.h"

#include <cstdint>
#include <vector>

class jet_t;
class missile_t;

namespace twister001 {

class member_t;

class leader_t : public enemy_t {
  public:
    leader_t(const objectinfo_t* info, float x, float y, uint32_t key, int32_t step, int32_t amplitude)
        : enemy_t(info, x, y, key), base_y(y), amplitude(amplitude), step(step) {}

    void update() override;
    // The scroll carries the line's path, not the leader along it.
    void move_x(int32_t) override {}
    void move_y(int32_t d) override;
    void move_y_wrapped(int32_t d) override;
    void kill() override {}
    void damage(int32_t) override {}
    int32_t max_hp() override { return 0; }
    int32_t contact_damage() override { return 0; }
    int32_t image_id() override { return -1; }

    // A history of 20 frames per member, all at the leader's position.
    void set_member_count(int32_t count);

    member_t* first = nullptr;
    member_t* last_member = nullptr;
    poslog_t log;
    float base_y;
    int32_t amplitude;
    int32_t phase = 0; // degrees, 0..359
    int32_t step;
};

class leaderA_t : public leader_t {
  public:
    leaderA_t(const objectinfo_t* info, float x, float y, uint32_t key) : leader_t(info, x, y, key, 3, 12) {}
};

class leaderB_t : public leader_t {
  public:
    leaderB_t(const objectinfo_t* info, float x, float y, uint32_t key) : leader_t(info, x, y, key, 1, 80) {}
};

class member_t : public enemy_t {
  public:
    member_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        shots.reserve(4);
    }

    // Leaves at the left edge, dies on terrain, fires at the ship from level 2.
    void update() override;
    void move_x(int32_t) override {}
    void move_y(int32_t) override {}
    void move_y_wrapped(int32_t) override {}
    void set_position(float new_x, float new_y) override;
    void start() override;
    void kill() override;
    void damage(int32_t n) override;
    // One idle shot of its own at the ship.
    void fire(float speed);

    member_t* prev = nullptr;
    member_t* next = nullptr;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    jet_t* jet = nullptr;
    uint32_t fire_counter = 0;
};

} // namespace twister001
