#include "play/draw_object.h"

#include "objects/coordinate.h"
#include "objects/object.h"
#include "render/blend.h"
#include "screen/sprite_record.h"
#include "screen/vscreen.h"

#include <algorithm>

namespace {

// One cell of a sheet: its sprite, size and source rectangle; inside is false when the pattern names a
// rectangle that is not wholly on the sheet (patterns and cell sizes come from data).
struct cell_t {
    const sprite_record_t* sprite;
    int32_t w;
    int32_t h;
    plat::rect_t source;
    bool inside;
};

// False when the image has no surface: then nothing is drawn and the layer stays as it was.
bool find_cell(vscreen_t* destination, int32_t image, int32_t pattern, cell_t& cell) {
    cell.sprite = sprite_with_surface(image);
    if (cell.sprite == nullptr || destination == nullptr || destination->surface == nullptr) {
        return false;
    }
    const int64_t w = cell.sprite->cell_width;
    const int64_t h = cell.sprite->cell_height;
    const int64_t left = w * (pattern & 7);
    const int64_t top = h * (pattern >> 3);
    const plat::rect_t& sheet = cell.sprite->surface->rect;
    cell.inside =
        w > 0 && h > 0 && left >= 0 && top >= 0 && left + w <= sheet.right && top + h <= sheet.bottom;
    cell.w = int32_t(w);
    cell.h = int32_t(h);
    if (cell.inside) {
        cell.source = {int32_t(left), int32_t(top), int32_t(left + w), int32_t(top + h)};
    }
    return true;
}

// The part of target inside the layer's clip rectangle; false when they do not overlap strictly.
bool clip_to(const vscreen_t& destination, const plat::rect_t& target, plat::rect_t& clipped) {
    const plat::rect_t& clip = destination.clip;
    if (!(target.left < clip.right && clip.left < target.right && target.top < clip.bottom &&
          clip.top < target.bottom)) {
        return false;
    }
    clipped = {std::max(target.left, clip.left), std::max(target.top, clip.top),
               std::min(target.right, clip.right), std::min(target.bottom, clip.bottom)};
    return true;
}

void copy_keyed(vscreen_t* destination, const cell_t& cell, int32_t x, int32_t y) {
    const plat::rect_t target{x - (cell.w >> 1), y - (cell.h >> 1), x - (cell.w >> 1) + cell.w,
                              y - (cell.h >> 1) + cell.h};
    plat::rect_t to;
    if (!clip_to(*destination, target, to)) {
        return;
    }
    plat::rect_t from = cell.source;
    from.left += to.left - target.left;
    from.top += to.top - target.top;
    from.right = from.left + (to.right - to.left);
    from.bottom = from.top + (to.bottom - to.top);
    destination->surface->surface->blt_fast(uint32_t(to.left), uint32_t(to.top),
                                            cell.sprite->surface->surface, &from,
                                            plat::ddbltfast_srccolorkey | plat::ddbltfast_wait);
}

void copy_stretched(vscreen_t* destination, const cell_t& cell, int32_t x, int32_t y, int32_t scale) {
    const float s = float(scale * 0.01);
    const double width = double(cell.w) * s;
    const double height = double(cell.h) * s;
    const int32_t top = pixel_coordinate(y - height * 0.5);
    const int32_t left = pixel_coordinate(x - width * 0.5);
    const plat::rect_t target{left, top, pixel_coordinate(left + width), pixel_coordinate(top + height)};
    plat::rect_t to;
    if (!clip_to(*destination, target, to)) {
        return;
    }
    const float inv = float(1.0 / s);
    const plat::rect_t from{pixel_coordinate(cell.source.left + (to.left - target.left) * double(inv)),
                            pixel_coordinate(cell.source.top + (to.top - target.top) * double(inv)),
                            pixel_coordinate(cell.source.right + (to.right - target.right) * double(inv)),
                            pixel_coordinate(cell.source.bottom + (to.bottom - target.bottom) * double(inv))};
    destination->surface->surface->blt(&to, cell.sprite->surface->surface, &from,
                                       plat::ddblt_keysrc | plat::ddblt_wait, nullptr);
}

// Draws the cell when it lies on its sheet; the layer is marked as drawn on unless the image has no surface.
template <class Draw> void draw_cell(vscreen_t* destination, int32_t image, int32_t pattern, Draw draw) {
    cell_t cell;
    if (!find_cell(destination, image, pattern, cell)) {
        return;
    }
    if (cell.inside) {
        draw(cell);
    }
    destination->dirty = 1;
}

void draw_scaled_object(object_t* object, vscreen_t* destination, int32_t scale) {
    const float* at = object->position();
    const int32_t image = object->image_id();
    if (image == -1) {
        return;
    }
    draw_cell_scaled(destination, image, object->pattern, pixel_coordinate(at[0]), pixel_coordinate(at[1]),
                     scale);
}

} // namespace

void draw_cell_keyed(vscreen_t* destination, int32_t image, int32_t pattern, int32_t x, int32_t y) {
    draw_cell(destination, image, pattern, [&](const cell_t& cell) { copy_keyed(destination, cell, x, y); });
}

void draw_cell_blended(vscreen_t* destination, int32_t image, int32_t pattern, int32_t x, int32_t y,
                       int32_t blend) {
    draw_cell(destination, image, pattern, [&](const cell_t& cell) {
        umlib::surface_t* to = destination->surface;
        umlib::surface_t* from = cell.sprite->surface;
        const int32_t left = x - (cell.w >> 1);
        const int32_t top = y - (cell.h >> 1);
        switch (blend) {
        case blend_add:
            blend_blit_add(to, &destination->clip, left, top, from, &cell.source);
            break;
        case blend_half:
            blend_blit_half(to, &destination->clip, left, top, from, &cell.source);
            break;
        case blend_quarter:
            blend_blit_quarter(to, &destination->clip, left, top, from, &cell.source);
            break;
        default:
            blend_blit_alpha(to, &destination->clip, left, top, from, &cell.source, blend);
            break;
        }
    });
}

void draw_cell_flash(vscreen_t* destination, int32_t image, int32_t pattern, int32_t x, int32_t y) {
    draw_cell(destination, image, pattern, [&](const cell_t& cell) {
        blend_blit_tint(destination->surface, &destination->clip, x - (cell.w >> 1), y - (cell.h >> 1),
                        cell.sprite->surface, &cell.source, 0xFFFFFFFFu);
    });
}

void draw_cell_scaled(vscreen_t* destination, int32_t image, int32_t pattern, int32_t x, int32_t y,
                      int32_t scale) {
    draw_cell(destination, image, pattern, [&](const cell_t& cell) {
        // A scale of 0 or below has no picture; the inverse of the factor would not exist.
        if (scale > 0) {
            copy_stretched(destination, cell, x, y, scale);
        }
    });
}

void draw_object(object_t* object, vscreen_t* destination, bool test_alive, bool honour_scale) {
    if (test_alive && object->alive == 0) {
        return;
    }
    if (honour_scale) {
        if (const int32_t scale = object->scale(); scale != 100) {
            draw_scaled_object(object, destination, scale);
            return;
        }
    }
    const float* at = object->position();
    const bool flashing = object->is_flashing();
    const int32_t image = object->image_id();
    const int32_t pattern = object->pattern;
    const int32_t blend = object->blend_mode();
    if (image == -1) {
        return;
    }
    const int32_t x = pixel_coordinate(at[0]);
    const int32_t y = pixel_coordinate(at[1]);
    if (flashing) {
        draw_cell_flash(destination, image, pattern, x, y);
    } else if (blend == blend_keyed) {
        draw_cell_keyed(destination, image, pattern, x, y);
    } else {
        draw_cell_blended(destination, image, pattern, x, y, blend);
    }
}

void draw_object_keyed(object_t* object, vscreen_t* destination) {
    if (object->alive == 0) {
        return;
    }
    if (const int32_t scale = object->scale(); scale != 100) {
        draw_scaled_object(object, destination, scale);
        return;
    }
    const float* at = object->position();
    const int32_t image = object->image_id();
    if (image == -1) {
        return;
    }
    draw_cell_keyed(destination, image, object->pattern, pixel_coordinate(at[0]), pixel_coordinate(at[1]));
}
