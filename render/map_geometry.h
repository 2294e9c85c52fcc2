// Where map cells land: the quadrants of a layer's 512 x 512 plane, cell rectangles, the clip of one
// copy, and the order and wrap-around positions in which the layer renderers copy cells to the screen.
#pragma once

#include "platform/types.h"
#include "render/map_table.h"

#include <algorithm>
#include <array>
#include <cstdint>

constexpr int32_t quadrant_size = 256;
constexpr int quadrant_count = 4;

// Quadrant 1 is the bottom-left one: the plane is numbered column by column.
constexpr plat::rect_t quadrant_rect(int q) {
    const int32_t left = (q >> 1) * quadrant_size;
    const int32_t top = (q & 1) * quadrant_size;
    return {left, top, left + quadrant_size, top + quadrant_size};
}

// Top-left, top-right, bottom-left, bottom-right: the order in which the renderers visit the quadrants.
constexpr std::array<int, quadrant_count> quadrant_visit_order = {0, 2, 1, 3};

constexpr plat::rect_t cell_rect(const map_cell_t& cell, int32_t left, int32_t top) {
    const int32_t x = left + map_cell_unit * cell.x;
    const int32_t y = top + map_cell_unit * cell.y;
    return {x, y, x + map_cell_unit * cell.w, y + map_cell_unit * cell.h};
}

// Strict overlap: rectangles that only touch do not overlap.
constexpr bool rects_overlap(const plat::rect_t& a, const plat::rect_t& b) {
    return ((a.left - b.right) & (b.left - a.right) & (a.top - b.bottom) & (b.top - a.bottom)) < 0;
}

// Cuts r to clip; false, and r unchanged, when they do not overlap.
constexpr bool clip_rect(const plat::rect_t& clip, plat::rect_t& r) {
    if (!rects_overlap(r, clip)) {
        return false;
    }
    r = {std::max(r.left, clip.left), std::max(r.top, clip.top), std::min(r.right, clip.right),
         std::min(r.bottom, clip.bottom)};
    return true;
}

// Cuts destination to clip and moves source's edges by the same amounts; false when they do not overlap.
constexpr bool clip_copy(const plat::rect_t& clip, plat::rect_t& destination, plat::rect_t& source) {
    const plat::rect_t uncut = destination;
    if (!clip_rect(clip, destination)) {
        return false;
    }
    source = {source.left + destination.left - uncut.left, source.top + destination.top - uncut.top,
              source.right + destination.right - uncut.right,
              source.bottom + destination.bottom - uncut.bottom};
    return true;
}

// The four places one cell is copied to, so that a layer of width w and height h wraps around.
constexpr std::array<plat::point_t, 4> wrap_positions(int32_t x, int32_t y, int32_t w, int32_t h) {
    return {{{x, y}, {x - w, y}, {x, y - h}, {x - w, y - h}}};
}

// What the renderers read of a layer and the screen.
struct map_layer_view_t {
    int32_t width, height;
    int32_t origin_x, origin_y; // the layer's offsets plus the screen's scroll, not wrapped
    std::array<const map_record_t*, quadrant_count> maps;
};

// Calls copy(source rectangle in the layer, x, y) for every copy of every cell, in drawing order.
template <class Copy> void for_each_cell_copy(const map_layer_view_t& view, Copy&& copy) {
    for (const int q : quadrant_visit_order) {
        const map_record_t* map = view.maps[q];
        if (map == nullptr) {
            continue;
        }
        const plat::rect_t quadrant = quadrant_rect(q);
        for (const map_cell_t& cell : used_cells(*map)) {
            const plat::rect_t source = cell_rect(cell, quadrant.left, quadrant.top);
            for (const plat::point_t& at : wrap_positions(
                     view.origin_x + source.left, view.origin_y + source.top, view.width, view.height)) {
                copy(source, at.x, at.y);
            }
        }
    }
}
