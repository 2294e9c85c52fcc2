// Stand-in for the player's ship in these tests: it moves by the input byte's direction bits, drives its
// formation controller and fires for itself and its multiples, as the ship does in play.
#pragma once

#include "player/mulctr.h"
#include "player/multiple.h"
#include "player/player_piveter.h"

#include <cstdint>
#include <memory>
#include <vector>

// Input bits as the play scene writes them.
constexpr uint8_t key_up = 0x01;
constexpr uint8_t key_down = 0x02;
constexpr uint8_t key_right = 0x04;
constexpr uint8_t key_left = 0x08;
constexpr uint8_t key_shot = 0x10;
constexpr uint8_t key_missile = 0x20;
constexpr uint8_t key_multiple = 0x40;

class standin_ship_t : public player_piveter_t {
  public:
    explicit standin_ship_t(const objectinfo_t* info) : player_piveter_t(info) {}

    // One play frame of the ship: move 'step' pixels per pressed direction, then the controller, then
    // the fire keys for the ship and every attached multiple.
    void press(uint8_t input, float step = 2.0f);

    std::vector<multiple_t*> multiples; // attached, not owned
    std::unique_ptr<mulctr_t> controller;
};
