// The mothership's script and its flash's growth.
#include "enemies/scenery/mothership.h"

#include "objects/play_globals.h"
#include "screen/soundctr.h"

#include <algorithm>

namespace {

constexpr int32_t flash_row = 8;
constexpr int32_t flash_patterns = 128;
constexpr int32_t flash_step = 3;

constexpr uint32_t shrink_interval = 4;
constexpr int32_t smallest_scale = 10;
// The script's clock t starts this many frames after it became active.
constexpr uint32_t script_start = 128;
constexpr uint32_t flash_at = 568;
constexpr uint32_t fade_out_at = 616;
constexpr uint32_t end_at = 680;
constexpr uint32_t blast_interval = 12;
constexpr uint32_t rumble_times[] = {296, 424, 488, 524, 580, 604, 640, 648};
constexpr uint32_t rumble_from = 648;
constexpr uint32_t rumble_interval = 6;
constexpr int32_t self_damage = 9999;

constexpr int32_t event_fade_to_white = 415;
constexpr int32_t event_fade_back = 413;
constexpr int32_t fade_speed = 5;
constexpr int32_t se_rumble = 44;
constexpr int32_t se_end = 71;

} // namespace

void horzflash_t::update() {
    if (pattern + flash_row < flash_patterns) {
        if (counter > 0 && counter % flash_step == 0) {
            pattern += flash_row;
        }
        ++counter;
    }
}

mothership_t::mothership_t(const objectinfo_t* info, float x, float y, uint32_t key)
    : enemy_t(info, x, y, key), image(info->image_id) {
    blasts.entries.reserve(4);
    flash_controls.reserve(4);
}

void mothership_t::update() {
    if (timer % shrink_interval == 0) {
        draw_scale = std::max(draw_scale - 1, smallest_scale);
    }
    if (timer >= script_start) {
        const uint32_t t = timer - script_start;
        if (t == flash_at) {
            flash->start();
        }
        if (t == fade_out_at) {
            post_event(event_fade_to_white, fade_speed);
        }
        if (t < end_at && t % blast_interval == 0) {
            fire_blast();
        }
        if (std::find(std::begin(rumble_times), std::end(rumble_times), t) != std::end(rumble_times)) {
            g_soundctr.request_se(se_rumble);
        }
        if (t >= rumble_from && t % rumble_interval == 0) {
            g_soundctr.request_se(se_rumble);
        }
        if (t == end_at) {
            self_destruct();
        }
    }
    ++timer;
}

void mothership_t::fire_blast() {
    if (blasts.entries.empty()) {
        return;
    }
    const mul_explosion_t::data_t& entry = blasts.entries[size_t(blasts.next)];
    if (entry.explosion->alive) {
        return; // still burning from the last pass: the cursor waits
    }
    entry.explosion->set_position(float(int32_t(x) + entry.dx), float(int32_t(y) + entry.dy));
    entry.explosion->start();
    blasts.next = (blasts.next + 1) % int32_t(blasts.entries.size());
}

void mothership_t::self_destruct() {
    enemy_t::damage(self_damage);
    kill_all_in_list(blasts);
    flash->kill();
    post_event(event_fade_back, fade_speed);
    g_soundctr.request_se(se_end);
}
