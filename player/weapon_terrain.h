// How the player's weapons meet the terrain: the rectangles each kind probes on the cg layer and on
// background slots 0 and 1 (always in that order, the first solid layer ending the test), and the crater
// a hit on slot 1 may leave. Unlike enemy shots, no terrain-collision mode applies to them.
#pragma once

#include <cstdint>

// A rectangle relative to the probed point of a layer.
struct probe_rect_t {
    int32_t dx;
    int32_t dy;
    int32_t w;
    int32_t h;
};

constexpr int terrain_layer_count = 3;
constexpr int32_t terrain_slot1 = 2; // index of background slot 1 among the probed layers

struct terrain_row_t {
    probe_rect_t probes[terrain_layer_count]; // cg layer, background slot 0, background slot 1
    bool marks;                               // a hit on slot 1 leaves a crater
};

// layer: -1 when nothing solid was found, else the index of the first solid layer; (lx, ly) is the probed
// point in that layer's own pixels.
struct terrain_hit_t {
    int32_t layer;
    int32_t lx;
    int32_t ly;
};

namespace terrain_rows {
extern const terrain_row_t shot; // normal shot, double shots, ripple laser, power shot
extern const terrain_row_t drip;
extern const terrain_row_t homing;
extern const terrain_row_t long_laser;
extern const terrain_row_t ion_blast;
// Snake and vertical missiles: probed at (trunc(x - 1), trunc(y - 1)) without a further offset.
extern const terrain_row_t crawler;
} // namespace terrain_rows

// Probes the layers that hold a picture at the screen point (px, py).
terrain_hit_t probe_terrain(const terrain_row_t& row, int32_t px, int32_t py);
// The crater of a hit, when the row leaves one and the hit was on background slot 1.
void mark_terrain(const terrain_row_t& row, const terrain_hit_t& hit);
