// How enemies feel the terrain: one pixel of a layer under a screen point, a layer that holds no
// picture counting as empty.
#pragma once

#include <cstdint>

class vscreen_t;

// The widest layer's side: a point of any terrain layer repeats this many pixels away in either direction,
// so a search that has walked this far meets only pixels it has met.
constexpr int32_t terrain_wrap = 512;
// p moved by whole widths of the layer toward `limit`, no further: a point every layer holds the same.
constexpr int32_t terrain_repeat_toward(int32_t p, int32_t limit) {
    return p + (limit - p) / terrain_wrap * terrain_wrap;
}

// Whether the layer holds a picture and a solid pixel lies under screen point (x, y), the point taken
// relative to the layer's scroll and wrapped into it. A null layer holds nothing.
bool terrain_solid_at(vscreen_t* layer, int32_t x, int32_t y);
// Background layer 0 alone, and background layer 0 then the cg layer, at a screen point.
bool terrain_layer0_at(int32_t x, int32_t y);
bool terrain_layer0_or_cg_at(int32_t x, int32_t y);
