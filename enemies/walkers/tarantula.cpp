// The tarantula's behaviour: walking in, standing to fire fans, walking out, and its death sequence.
#include "enemies/walkers/tarantula.h"

#include "objects/direction.h"
#include "objects/enemy_fire.h"
#include "objects/play_globals.h"
#include "objects/pooled_shots.h"
#include "objects/wrap.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t se_hit = 47;
constexpr int32_t se_dying = 75;
constexpr int32_t se_blown_up = 42;
constexpr int32_t se_fan = 94;
constexpr int32_t event_blown_up = 371;
constexpr int32_t event_blown_up_param = 4;
constexpr int32_t ring_level = 3;
constexpr int32_t eye_offset = 10;
constexpr uint32_t stay = 0x20040; // stage position units past the key before it walks out
constexpr uint32_t stand_frames = 48;
constexpr uint32_t walk_out_frames = 48;
constexpr uint32_t dying_frames = 64;
constexpr int32_t walk_patterns = 10;
constexpr float walk_in_speed = 1.4f;
constexpr float walk_out_speed = 1.0f;
constexpr float fan_speed = 1.5f;
constexpr float muzzle = 8;

} // namespace

void tarantula_t::set_position(float new_x, float new_y) {
    enemy_t::set_position(new_x, new_y);
    eye->set_position(new_x - eye_offset, new_y);
}

void tarantula_t::get_rect(plat::rect_t& out) {
    enemy_t::get_rect(out);
    out.left += eye_offset;
    out.right += eye_offset;
}

void tarantula_t::kill() {
    enemy_t::kill();
    eye->kill();
}

void tarantula_t::damage(int32_t n) {
    if (dying) {
        return;
    }
    if (n > 0 && int64_t(hp) - n <= 0) {
        g_soundctr.request_se(se_dying);
        dying = 1;
        go(1000);
        return;
    }
    enemy_t::damage(n);
    if (n != 0) {
        g_soundctr.request_se(se_hit);
    }
}

void tarantula_t::update() {
    const float* ship = player_ship_position();
    if (ship == nullptr) {
        return;
    }
    while (handle(ship)) {
    }
    ++timer;
}

bool tarantula_t::go(int32_t next) {
    state = next;
    timer = 0;
    return true;
}

void tarantula_t::walk(int32_t towards, float speed) {
    set_position(x + speed * cos_table[towards], y - speed * sin_table[towards]);
}

bool tarantula_t::handle(const float* ship) {
    switch (state) {
    case 0:
        return go(x >= 192 ? 1 : 2);
    case 1:
        direction = direction_to(position(), ship);
        if (x < 128 || direction < 16 || direction > 48) {
            return go(2);
        }
        walk(direction, walk_in_speed);
        if (timer % 3 == 0) {
            pattern = (pattern + 1) % walk_patterns;
        }
        return false;
    case 2:
        if (g_stage_position - key >= stay) {
            return go(10);
        }
        if (timer >= stand_frames) {
            return go(0);
        }
        fan(ship, 5);
        return false;
    case 10:
        if (timer >= walk_out_frames) {
            return go(11);
        }
        walk(0, walk_out_speed);
        if (timer % 5 == 0) {
            pattern = (pattern + walk_patterns - 1) % walk_patterns;
        }
        return false;
    case 11:
        if (0 <= x && x < 256 && 0 <= y && y < 256) {
            fan(ship, 4);
        }
        return false;
    case 1000:
        if (timer < dying_frames) {
            if (timer % 6 == 0) {
                blast();
            }
        } else if (timer == dying_frames) {
            g_soundctr.request_se(se_blown_up);
            post_event(event_blown_up, event_blown_up_param);
            enemy_t::damage(9999);
            if (difficulty_level() >= ring_level) {
                ring();
            }
        }
        return false;
    default:
        return false;
    }
}

// Four shots 6 apart around the ship, on every 13th frame of the first per_level x level of each 52.
void tarantula_t::fan(const float* ship, uint32_t per_level) {
    const int32_t level = difficulty_level();
    if (timer % 13 != 0 || timer % 52 >= per_level * uint32_t(level) || level == 1) {
        return;
    }
    const int32_t a = direction_to(position(), ship) - 9;
    size_t from = 0;
    for (int32_t k = 0; k < 4; ++k) {
        from = next_idle(missiles, from);
        if (from == missiles.size()) {
            break;
        }
        launch(missiles[from++], x - muzzle, y, wrap64(a + 6 * k), fan_speed);
    }
    g_soundctr.request_se(se_fan);
}

void tarantula_t::blast() {
    if (blasts.entries.empty()) {
        return;
    }
    const mul_explosion_t::data_t& entry = blasts.entries[size_t(blasts.next)];
    if (entry.explosion->alive) {
        return;
    }
    entry.explosion->set_position(float(int32_t(x) + entry.dx), float(int32_t(y) + entry.dy));
    entry.explosion->start();
    blasts.next = (blasts.next + 1) % int32_t(blasts.entries.size());
}

void tarantula_t::ring() {
    const float s = 0.2f * float(difficulty_level()) + 0.5f;
    for (int32_t i = 0; i < 16; ++i) {
        const int32_t d = (4 * i + 16) % 64;
        fire_bullet(position(), d, s);
        fire_bullet(position(), d + 2, s + 0.2f);
        fire_bullet(position(), d, s + 0.5f);
    }
}
