#include "screen/bg.h"

#include "render/blend_weighted_add.h"
#include "screen/sprite_record.h"
#include "umlib/surface.h"

namespace {

bool valid_quadrant(int q) {
    return q >= 0 && q < quadrant_count;
}

// The loaded image of a map, or null: id -1 (no map) and any other id outside the sprite table name none.
umlib::surface_t* map_image(const map_record_t* record) {
    const sprite_record_t* sprite = record != nullptr ? sprite_with_surface(record->id) : nullptr;
    return sprite != nullptr ? sprite->surface : nullptr;
}

} // namespace

bg_t::bg_t(umlib::draw_t* device, int size_code) : vscreen_t(device, size_code) {
    for (int q = 0; q < quadrant_count; ++q) {
        quadrant[q] = quadrant_rect(q);
    }
}

plat::hresult_t bg_t::clear(uint32_t colour) {
    const plat::hresult_t hr = vscreen_t::clear(colour);
    quadrant_mask = 0;
    map.fill(nullptr);
    return hr;
}

bool bg_t::is_dirty() {
    return quadrant_mask != 0;
}

void bg_t::draw_map(int q, const map_record_t* record) {
    umlib::surface_t* image = map_image(record);
    if (!valid_quadrant(q) || image == nullptr) {
        return;
    }
    const plat::rect_t& at = quadrant[q];
    // Erased even when the same record is drawn again: its cells may have been damaged.
    if (map[q] != nullptr) {
        for (const map_cell_t& cell : used_cells(*map[q])) {
            erase(cell_rect(cell, at.left, at.top));
        }
    }
    for (const map_cell_t& cell : used_cells(*record)) {
        const plat::rect_t destination = cell_rect(cell, at.left, at.top);
        blt_keyed(image, cell_rect(cell, 0, 0), destination.left, destination.top);
    }
    record_map(q, record);
}

void bg_t::draw_sprite(int q, const map_record_t* record, const plat::rect_t* area, int32_t weight) {
    umlib::surface_t* image = map_image(record);
    if (!valid_quadrant(q) || image == nullptr) {
        return;
    }
    plat::rect_t repaired = area != nullptr ? *area : plat::rect_t{};
    if (area != nullptr && clip_rect(clip, repaired)) {
        const plat::rect_t& at = quadrant[q];
        plat::rect_t source = image->rect;
        if (weight != 0) {
            blend_blit_weighted_add(surface, &repaired, at.left, at.top, image, &source, weight);
        } else {
            plat::rect_t destination{at.left, at.top, at.left + source.right, at.top + source.bottom};
            if (clip_copy(repaired, destination, source)) {
                surface->surface->blt_fast(uint32_t(destination.left), uint32_t(destination.top),
                                           image->surface, &source, plat::ddbltfast_wait);
            }
        }
    }
    record_map(q, record);
}

void bg_t::clear_quadrant(int q) {
    if (!valid_quadrant(q)) {
        return;
    }
    erase(quadrant[q]);
    map[q] = nullptr;
    quadrant_mask &= ~(1u << q);
}

void bg_t::set_quadrant_map(int q, const map_record_t* record) {
    if (valid_quadrant(q) && record != nullptr) {
        record_map(q, record);
    }
}

void bg_t::record_map(int q, const map_record_t* record) {
    map[q] = record;
    quadrant_mask |= 1u << q;
}

void bg_t::erase(const plat::rect_t& r) {
    // The layer keeps no pixels outside its surface, so a rectangle reaching past it is cut rather than
    // refused: the part that lies inside is erased too.
    plat::rect_t inside = r;
    if (!clip_rect(clip, inside)) {
        return;
    }
    plat::blt_fx_t fx;
    fx.fill_color = 0;
    surface->surface->blt(&inside, nullptr, nullptr, plat::ddblt_colorfill | plat::ddblt_wait, &fx);
}
