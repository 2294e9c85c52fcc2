// How one game object becomes pixels: the cell of its image that its pattern picks, centred on its
// position, copied keyed, blended, flashed or stretched onto a drawing layer.
#pragma once

#include <cstdint>

class object_t;
class vscreen_t;

// Blend modes of an object or a cell; any other value is the destination's weight in 256ths.
constexpr int32_t blend_keyed = 0;
constexpr int32_t blend_add = -1;
constexpr int32_t blend_half = 128;
constexpr int32_t blend_quarter = 64;

// Each cell draw takes cell `pattern` of sprite `image` (eight cells to a row) centred on (x, y). An image
// without a surface draws nothing and leaves the layer's dirty flag; past that the flag is raised, also
// when nothing was drawn (a cell outside the layer, outside its own sheet, or a format without blitter).
void draw_cell_keyed(vscreen_t* destination, int32_t image, int32_t pattern, int32_t x, int32_t y);
void draw_cell_blended(vscreen_t* destination, int32_t image, int32_t pattern, int32_t x, int32_t y,
                       int32_t blend);
// The hit flash: the cell lightened halfway to white, whatever the object's blend.
void draw_cell_flash(vscreen_t* destination, int32_t image, int32_t pattern, int32_t x, int32_t y);
// Stretched keyed copy; scale in percent, nothing for a scale of 0 or below.
void draw_cell_scaled(vscreen_t* destination, int32_t image, int32_t pattern, int32_t x, int32_t y,
                      int32_t scale);

// One object: skipped when test_alive is set and it is dead; a scale other than 100 is drawn stretched
// (without flash or blend) only when honour_scale is set.
void draw_object(object_t* object, vscreen_t* destination, bool test_alive, bool honour_scale);
// The copy onto the collision screen: alive tested, scale honoured, always a plain keyed copy.
void draw_object_keyed(object_t* object, vscreen_t* destination);
