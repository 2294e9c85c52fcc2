// What items and the gauge do to the ship: the item effects and the speed levels.
#include "player/ship.h"

#include "objects/play_globals.h"
#include "objects/score.h"
#include "player/discharge.h"
#include "player/mulctr.h"
#include "player/powergauge.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t min_speed_level = 4;
constexpr int32_t max_speed_level = 16;
constexpr float speed_per_level = 0.5f;
constexpr int32_t navigation_event = 386;
constexpr int32_t slow_down_message = 7;
constexpr int32_t max_speed_message = 24;
constexpr int32_t pickup_sound = 32;
constexpr int32_t capsule_sound = 33;

// The effect of an item kind and the sound that confirms it.
bool apply_effect(ship_t* ship, int32_t kind, int32_t& sound) {
    switch (kind) {
    case item_speed_up:
        sound = 80;
        return powergauge_speed_up(ship);
    case item_speed_down:
        sound = 86;
        return powergauge_speed_down(ship);
    case item_missile:
        sound = 81;
        return powergauge_set_missile(ship, weapon_missile);
    case item_double:
        sound = 82;
        return powergauge_set_shot(ship, weapon_double);
    case item_laser:
        sound = 83;
        return powergauge_set_shot(ship, weapon_laser);
    case item_multiple:
        sound = 84;
        return powergauge_add_option(ship);
    case item_shield:
        sound = 85;
        return powergauge_give_shield(ship);
    default:
        return false;
    }
}

} // namespace

bool ship_t::apply_item(int32_t kind, int32_t points, bool pickup, bool& applied) {
    applied = false;
    if (state != play) {
        return false;
    }
    if (kind == item_capsule) {
        // A capsule only moves the gauge's cursor: no flash and no confirmation.
        if (pickup) {
            g_soundctr.request_se(capsule_sound);
        }
        powergauge_advance();
    } else if (kind >= item_speed_up && kind <= item_shield) {
        // The pick-up sound answers every pick-up, also one that changes nothing; the gauge's own
        // activation is confirmed by the effect's sound alone.
        if (pickup) {
            g_soundctr.request_se(pickup_sound);
        }
        int32_t sound = 0;
        applied = apply_effect(this, kind, sound);
        if (applied) {
            g_soundctr.request_se(sound);
            discharge->set_position(x, y);
            discharge->start();
        }
    }
    score_add(points);
    return true;
}

void ship_t::reset_speed() {
    speed_level = min_speed_level;
    speed = float(speed_level) * speed_per_level;
}

bool ship_t::speed_up() {
    if (speed_level >= max_speed_level) {
        return false;
    }
    ++speed_level;
    speed = float(speed_level) * speed_per_level;
    if (speed_level == max_speed_level) {
        post_event(navigation_event, max_speed_message);
    }
    return true;
}

bool ship_t::speed_down() {
    if (speed_level <= min_speed_level) {
        return false;
    }
    --speed_level;
    speed = float(speed_level) * speed_per_level;
    post_event(navigation_event, slow_down_message);
    return true;
}

bool ship_t::to_option_controller(multiple_t* m) {
    return controller->add_multiple(m);
}
