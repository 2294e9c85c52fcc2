// Craters in the destructible background: drawn where a weapon hits a layer, healed from the layer's map
// about two and a half seconds later, and the records that wipe a quadrant's new map in column by column.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <vector>

class bg_t;
namespace umlib {
class surface_t;
}

struct hitmark_t {
    bg_t* layer;
    int32_t x; // centre in the layer's own pixels
    int32_t y;
    int32_t age; // frames since it was made; fill records start older
};

// Every record, in the order they were made.
extern std::vector<hitmark_t> g_hitmarks;
// The sprite-table index of "image\hitmark.bmp", looked up at every stage load.
extern int32_t hitmark_sprite;
// Craters are made and updated only while this is set.
extern bool craters_enabled;

// The stage load's step: craters off, the list emptied with room for 1024 records, craters on.
void hitmark_reset();
// A crater: 2 points, sound 47, and its first pattern drawn at once.
void hitmark_add(bg_t* layer, int32_t x, int32_t y);
// Covers quadrant 0..3 with records on an 8-pixel grid that heal column by column from the left.
void hitmark_fill(bg_t* layer, int32_t quadrant);
// Once per play frame after the objects: draws, heals and ages every record, dropping the healed ones.
void hitmark_update_all();
// Copies source (colour-keyed) to (x, y) wrapped into the layer, again at the far edges where it wraps.
plat::hresult_t hitmark_blit(bg_t* layer, int32_t x, int32_t y, umlib::surface_t* source,
                             const plat::rect_t& source_area);
