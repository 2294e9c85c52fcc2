// Twister005: an invulnerable leader that holds its spinning members at one point and lets one out every
// 32 frames; each flies straight right, left, up or down by its record and fires aimed shots. When all
// are dead the leader drops the group's item where the last one was seen.
#pragma once

#include "objects/enemy.h"

#include <cstdint>
#include <vector>

class missile_t;

namespace twister005 {

class member_t;

class leader_t : public enemy_t {
  public:
    leader_t(const objectinfo_t* info, float x, float y, uint32_t key) : enemy_t(info, x, y, key) {
        members.reserve(8);
    }

    void update() override;
    // Holds every member at the leader again; the release index stays.
    void start() override;
    // Switches every member off, silently.
    void kill() override;
    void damage(int32_t) override {}

    std::vector<member_t*> members; // in release order
    uint32_t released = 0;
    member_t* last_alive = nullptr;
    int32_t state = 0; // 0 releasing, 1 waiting for the members to die
    uint32_t clock = 0;
};

class member_t : public enemy_t {
  public:
    // The velocity comes from the record: 120 right, 122 left, 124 up, 126 down.
    member_t(const objectinfo_t* info, float x, float y, uint32_t key);

    void update() override;
    void start() override;
    void damage(int32_t n) override;
    void fire();

    uint8_t held = 1; // waits inside the leader: no move, no fire, no harm
    float vx = 0;
    float vy = 0;
    std::vector<missile_t*> shots; // in the stage's enemy-shot list
    uint32_t clock = 0;
};

} // namespace twister005
