#include "tools/sample/plain_stage.h"

#include "play/stage_events.h"
#include "tools/sample/stage_files.h"

namespace {

namespace ev = stage_event;

constexpr int32_t enemy_image = 18;
constexpr int32_t small_enemy = 600; // types the dispatcher sends to the plain enemy
constexpr int32_t large_enemy = 601;
constexpr int32_t battery003 = 155;
constexpr int32_t carrier_y = 110;

// Two small enemies, the second a little later and lower.
stage_group_t pair(const char* name, int32_t y) {
    return {name, {place(small_enemy, 0, enter_x, y), place(small_enemy, 8, enter_x, y + 20)}};
}

stage_group_t carrier(const char* name, int32_t item) {
    return {name, {place(large_enemy, 0, enter_x, carrier_y, 0, item)}};
}

} // namespace

std::vector<objectinfo_t> plain_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {small_enemy, 16, 16, 2, 1, 100, enemy_image, 0, 0},
        {large_enemy, 16, 16, 8, 1, 500, enemy_image, 0, 0},
    };
}

std::vector<stage_group_t> plain_groups() {
    return {
        pair("pair high", 56),
        pair("pair mid", 104),
        pair("pair low", 152),
        carrier("carrier speed", 34),
        carrier("carrier missile", 37),
        carrier("carrier double", 38),
        carrier("carrier laser", 39),
        carrier("carrier multiple", 40),
        carrier("carrier shield", 41),
        {"battery003", {place(battery003, 0, enter_x, 120, 3, 42)}},
        // Each list's window moves past its marker the pixel after: what is left behind stops and goes.
        {"window markers",
         {place(96, 0, 0, 0), place(97, 0, 0, 0), place(98, 0, 0, 0), place(99, 0, 0, 0), place(100, 0, 0, 0),
          place(101, 0, 0, 0)},
         {{ev::skip_enemies0, 0, 1, 0},
          {ev::skip_enemies1, 0, 1, 0},
          {ev::skip_enemies2, 0, 1, 0},
          {ev::skip_enemies3, 0, 1, 0},
          {ev::skip_shots, 0, 1, 0},
          {ev::skip_explosions, 0, 1, 0}}},
    };
}
