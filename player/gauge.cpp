// The power-up gauge of the CAPSULE mode: capsules move its cursor, the power-up key takes the slot.
#include "player/powergauge.h"
#include "player/shield.h"
#include "player/ship.h"

using namespace powergauge;

namespace {

constexpr int32_t slot_count = 6;
constexpr uint32_t speed_up_frames = 128; // slot 1 is speed up below this blink count, then speed down
constexpr int32_t max_multiples = 4;

int32_t slot_kind(int32_t slot) {
    switch (slot) {
    case 1:
        return gauge->blink < speed_up_frames ? item_speed_up : item_speed_down;
    case 2:
        return item_missile;
    case 3:
        return item_double;
    case 4:
        return item_laser;
    case 5:
        return item_multiple;
    default:
        return item_shield;
    }
}

} // namespace

bool powergauge_activate(ship_t* ship) {
    if (gauge == nullptr || gauge->cursor < 1 || gauge->cursor > slot_count ||
        gauge->available[gauge->cursor] != 1) {
        return false;
    }
    bool applied = false;
    ship->apply_item(slot_kind(gauge->cursor), 0, false, applied);
    if (applied) {
        gauge->cursor = 0;
    }
    return applied;
}

void powergauge_advance() {
    if (gauge == nullptr) {
        return;
    }
    gauge->cursor = gauge->cursor >= slot_count ? 1 : gauge->cursor + 1;
    if (gauge->cursor == 1) {
        gauge->blink = 0;
    }
}

void powergauge_refresh_slots(ship_t* ship) {
    if (gauge == nullptr) {
        return;
    }
    int32_t* available = gauge->available;
    available[1] = 1;
    available[2] = missile_type != weapon_missile;
    available[3] = shot_type != weapon_double;
    available[4] = shot_type != weapon_laser;
    available[5] = ship->multiples.size() < size_t(max_multiples);
    available[6] = ship->shield->image == -1;
    if (gauge->cursor == 1) {
        gauge->blink = (gauge->blink + 1) & 255;
    }
}
