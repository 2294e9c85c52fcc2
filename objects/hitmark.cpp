#include "objects/hitmark.h"

#include "objects/score.h"
#include "render/map_geometry.h"
#include "screen/bg.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "umlib/surface.h"

#include <algorithm>
#include <vector>

std::vector<hitmark_t> g_hitmarks;
int32_t hitmark_sprite = -1;
bool craters_enabled = false;

namespace {

constexpr int32_t crater_score = 2;
constexpr int32_t crater_sound = 47;
constexpr int32_t crater_frames = 16;  // 8 patterns, 2 frames each
constexpr int32_t healing_start = 144; // after 128 frames at rest
constexpr int32_t grid = 8;
constexpr int32_t grid_count = 32;

// Draws crater pattern age / 2 centred on the record.
void draw_crater(const hitmark_t& mark) {
    if (hitmark_sprite < 0 || hitmark_sprite >= int32_t(sprite_table_size)) {
        return;
    }
    const sprite_record_t& sprite = g_screenctr.sprites[hitmark_sprite];
    if (sprite.surface == nullptr) {
        return;
    }
    const int32_t cw = sprite.cell_width;
    const int32_t ch = sprite.cell_height;
    const int32_t p = mark.age >> 1;
    const int32_t left = (p & 7) * cw;
    const int32_t top = (p >> 3) * ch;
    hitmark_blit(mark.layer, mark.x - (cw >> 1), mark.y - (ch >> 1), sprite.surface,
                 {left, top, left + cw, top + ch});
    mark.layer->dirty = 1;
}

// Repaints from the quadrant's map; false once the record has healed.
bool heal(const hitmark_t& mark) {
    const int32_t t = mark.age - healing_start;
    const int32_t d = (t >> 1) + 1;
    const int32_t e = (t >> 3) + 1;
    const int32_t x = mark.x;
    const int32_t y = mark.y;
    // A record outside the 512 x 512 plane has no quadrant and no map to heal from.
    const bool inside = x >= 0 && x < 2 * quadrant_size && y >= 0 && y < 2 * quadrant_size;
    const int32_t q = (x / quadrant_size) * 2 + y / quadrant_size;
    const map_record_t* map = inside ? mark.layer->map[q] : nullptr;
    auto repaint = [&](plat::rect_t area, int32_t weight) {
        if (inside) {
            mark.layer->draw_sprite(q, map, &area, weight);
        }
    };
    if (2 * d + 2 * e < 32) {
        const int32_t weight = std::max(256 - 32 * d, 0);
        repaint({x - d, y - d, x + d, y + d}, weight);
        repaint({x - d - e, y - e, x - d, y + e}, weight);
        repaint({x + d, y - d, x + d + e, y + d}, weight);
        repaint({x - e, y - d - e, x + e, y - d}, weight);
        repaint({x - e, y + d, x + e, y + d + e}, weight);
        return true;
    }
    repaint({x - 16, y - 16, x + 16, y + 16}, 0);
    return false;
}

// The record step; false when the record is finished.
bool step(const hitmark_t& mark) {
    if (mark.age < crater_frames) {
        draw_crater(mark);
        return true;
    }
    if (mark.age < healing_start) {
        return true;
    }
    return heal(mark);
}

} // namespace

void hitmark_reset() {
    craters_enabled = false;
    g_hitmarks.clear();
    g_hitmarks.reserve(1024);
    craters_enabled = true;
}

void hitmark_add(bg_t* layer, int32_t x, int32_t y) {
    if (!craters_enabled || layer == nullptr) {
        return;
    }
    g_hitmarks.push_back({layer, x, y, 0});
    score_add(crater_score);
    g_soundctr.request_se(crater_sound);
    step(g_hitmarks.back());
}

void hitmark_fill(bg_t* layer, int32_t quadrant) {
    if (layer == nullptr || quadrant < 0 || quadrant >= quadrant_count) {
        return;
    }
    const plat::rect_t corner = quadrant_rect(quadrant);
    for (int32_t c = 0; c < grid_count; ++c) {
        for (int32_t r = 0; r < grid_count; ++r) {
            g_hitmarks.push_back({layer, corner.left + grid * c, corner.top + grid * r, 128 - 4 * c});
        }
    }
}

void hitmark_update_all() {
    if (!craters_enabled) {
        return;
    }
    size_t kept = 0;
    for (size_t i = 0; i < g_hitmarks.size(); ++i) {
        hitmark_t mark = g_hitmarks[i];
        if (step(mark)) {
            ++mark.age;
            g_hitmarks[kept++] = mark;
        }
    }
    g_hitmarks.resize(kept);
}

plat::hresult_t hitmark_blit(bg_t* layer, int32_t x, int32_t y, umlib::surface_t* source,
                             const plat::rect_t& source_area) {
    const int32_t w = layer->width;
    const int32_t h = layer->height;
    if (w <= 0 || h <= 0) {
        return 0;
    }
    const int32_t dx = (x % w + w) % w;
    const int32_t dy = (y % h + h) % h;
    const int32_t source_w = source_area.right - source_area.left;
    const int32_t source_h = source_area.bottom - source_area.top;
    const bool wraps_x = dx + source_w >= w;
    const bool wraps_y = dy + source_h >= h;
    const plat::point_t places[4] = {{dx, dy}, {dx - w, dy}, {dx, dy - h}, {dx - w, dy - h}};
    const bool wanted[4] = {true, wraps_x, wraps_y, wraps_x && wraps_y};
    for (int i = 0; i < 4; ++i) {
        if (!wanted[i]) {
            continue;
        }
        plat::rect_t destination{places[i].x, places[i].y, places[i].x + source_w, places[i].y + source_h};
        plat::rect_t from = source_area;
        if (!clip_copy(layer->full_rect, destination, from)) {
            continue;
        }
        const plat::hresult_t result = layer->surface->surface->blt_fast(
            uint32_t(destination.left), uint32_t(destination.top), source->surface, &from,
            plat::ddbltfast_srccolorkey | plat::ddbltfast_wait);
        if (result != 0) {
            return result;
        }
    }
    return 0;
}
