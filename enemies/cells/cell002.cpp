// Cell002's chains: their construction, the wave and the curve, the decay and the pieces.
#include "enemies/cells/cell002.h"

#include "objects/direction.h"
#include "objects/play_globals.h"
#include "objects/random.h"
#include "objects/terrain_probe.h"
#include "objects/trig_tables.h"
#include "play/spawn_helpers.h"
#include "screen/bg.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"

namespace {

constexpr int32_t part_count = 17;
constexpr int32_t last_wave_pattern = 7;
constexpr int32_t decay = 3;
constexpr int32_t se_hit = 47;
constexpr int32_t se_destroyed = 55;
constexpr float piece_speed = 1.5f;
constexpr int32_t burst_patterns = 4;

// Each chain's x against the placement's and its control point and end against its root.
struct chain_shape_t {
    int32_t dx;
    float p1x, p1y, p2x, p2y;
};
constexpr chain_shape_t chains[] = {
    {-12, 10, 32, 20, 64}, {-16, 0, 32, 16, 64}, {12, 0, 32, -12, 64},
    {-16, 40, 40, 30, 64}, {0, 0, 40, -8, 64},
};
constexpr int32_t chain_type = 239;

} // namespace

namespace cell002 {

void part_t::update() {
    if ((prev == nullptr || prev->alive) && (next == nullptr || next->alive)) {
        return;
    }
    enemy_t::damage(decay);
    if (alive || piece == nullptr) {
        return;
    }
    // Only a part that decayed sends its piece at the ship.
    piece->set_position(x, y);
    const float* ship = player_ship_position();
    piece->direction = ship != nullptr ? direction_to(&x, ship) : 0;
    piece->start();
}

void part_t::damage(int32_t n) {
    enemy_t::damage(n);
    if (n != 0) {
        g_soundctr.request_se(se_hit);
        if (g_frame_counter == last_hit) {
            root->mark_hit();
        }
    }
    if (!alive) {
        g_soundctr.request_se(se_destroyed);
    }
}

bool part_t::is_flashing() {
    return root->is_flashing();
}

root_t::root_t(const objectinfo_t* info, float x, float y, uint32_t key) : part_t(info, x, y, key) {
    pattern = rng::rand() >> 12;
}

void root_t::update() {
    hit = 0;
    int32_t w = pattern;
    wave();
    set_position(points[0].x, points[0].y);
    int32_t living = 0;
    int32_t n = 1;
    for (part_t* part = next; part != nullptr; part = part->next, ++n) {
        // The wave moves one part down the chain per frame.
        const int32_t old = part->pattern;
        part->pattern = w;
        w = old;
        if (!part->alive) {
            continue;
        }
        ++living;
        const float t = float(n) / part_count;
        const float a = (1 - t) * (1 - t);
        const float b = 2 * t * (1 - t);
        const float c = t * t;
        part->set_position(points[0].x * a + points[1].x * b + points[2].x * c,
                           points[0].y * a + points[1].y * b + points[2].y * c);
    }
    if (living == 0) {
        enemy_t::damage(9999);
    }
    ++timer;
}

void root_t::wave() {
    if (wave_direction == 0) {
        if (pattern + 1 > last_wave_pattern) {
            wave_direction = 1;
            timer = 0;
            pattern = last_wave_pattern - 1;
        }
        if (timer % 2 == 0) {
            ++pattern;
        }
    } else {
        if (pattern - 1 < 0) {
            wave_direction = 0;
            timer = 0;
            pattern = 1;
        }
        if (timer % 2 == 0) {
            --pattern;
        }
    }
}

void root_t::move_x(int32_t d) {
    for (point_t& p : points) {
        p.x += float(d);
    }
}

void root_t::move_y(int32_t d) {
    for (point_t& p : points) {
        p.y += float(d);
    }
}

void root_t::move_y_wrapped(int32_t d) {
    for (point_t& p : points) {
        p.y = wrapped_y(p.y, d);
    }
}

void piece_t::update() {
    if (!loose) {
        const int32_t ix = int32_t(x);
        const int32_t iy = int32_t(y);
        const bool on_screen = ix >= 0 && ix < 256 && iy >= 0 && iy < 256;
        if (on_screen && !terrain_solid_at(g_screenctr.layers[0], ix, iy) &&
            !terrain_solid_at(g_screenctr.layers[1], ix, iy)) {
            set_position(x + piece_speed * cos_table[direction], y - piece_speed * sin_table[direction]);
        } else {
            damage(1);
        }
    }
    if (loose && timer % 4 == 0) {
        if (pattern + 1 < burst_patterns) {
            ++pattern;
        } else {
            kill();
        }
    }
    ++timer;
}

void piece_t::damage(int32_t n) {
    if (n != 0 && !loose) {
        loose = 1;
        timer = 0;
    }
}

} // namespace cell002

cell002::root_t* stage_t::make_cell002_root(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<cell002::root_t>(stage, placement, info);
}

cell002::part_t* stage_t::make_cell002_part(stage_t* stage, const placement_t* placement,
                                            const objectinfo_t* info) {
    return make_placed_enemy<cell002::part_t>(stage, placement, info);
}

cell002::piece_t* stage_t::make_cell002_piece(stage_t* stage, const placement_t* placement,
                                              const objectinfo_t* info) {
    cell002::piece_t* piece = make_placed_enemy<cell002::piece_t>(stage, placement, info);
    piece->alive = 0;
    piece->hp = 0;
    return piece;
}

cell002::root_t* stage_t::build_cell002_chain(stage_t* stage, const placement_t* placement) {
    const auto r = find_records({chain_type, 241, 52});
    if (!r) {
        return nullptr;
    }
    const auto [cell, piece, explosion] = *r;
    cell002::root_t* root = make_cell002_root(stage, placement, cell);
    attach_death_explosion(stage, placement, root, explosion);
    root->root = root;
    cell002::part_t* prev = root;
    for (int32_t i = 0; i < part_count; ++i) {
        cell002::part_t* part = make_cell002_part(stage, placement, cell);
        part->piece = make_cell002_piece(stage, placement, piece);
        attach_death_explosion(stage, placement, part, explosion);
        part->root = root;
        part->prev = prev;
        prev->next = part;
        prev = part;
    }
    return root;
}

void stage_t::spawn_cell002(stage_t* stage, const placement_t* placement) {
    placement_t copy = *placement;
    copy.type = chain_type;
    for (const chain_shape_t& c : chains) {
        // Summed wide and held to the placement limit, as every placed position is.
        copy.x = int32_t(placed_coordinate(placement->x, c.dx));
        cell002::root_t* root = build_cell002_chain(stage, &copy);
        if (root == nullptr) {
            continue;
        }
        const float px = root->x;
        const float py = root->y;
        root->points[0] = {px, py};
        root->points[1] = {px + c.p1x, py + c.p1y};
        root->points[2] = {px + c.p2x, py + c.p2y};
    }
}
