#include "screen/map_layer.h"

#include "render/blend.h"
#include "screen/bg.h"

namespace {

// Every copy marks the screen as drawn on, whether or not anything of it landed inside the clip.
template <class Copy> void draw_cells(mg_t* screen, bg_t* layer, Copy copy) {
    const map_layer_view_t view{layer->width, layer->height, layer->offset_x + screen->scroll_x,
                                layer->offset_y + screen->scroll_y, layer->map};
    for_each_cell_copy(view, [&](const plat::rect_t& source, int32_t x, int32_t y) {
        copy(source, x, y);
        screen->dirty = 1;
    });
}

} // namespace

void draw_layer(mg_t* screen, bg_t* layer) {
    switch (layer->transparency) {
    case 0:
        draw_layer_normal(screen, layer);
        break;
    case 64:
        draw_layer_quarter(screen, layer);
        break;
    case 128:
        draw_layer_half(screen, layer);
        break;
    case 256:
        break;
    default:
        draw_layer_alpha(screen, layer, layer->transparency);
        break;
    }
}

void draw_layer_normal(mg_t* screen, bg_t* layer) {
    draw_cells(screen, layer, [&](const plat::rect_t& source, int32_t x, int32_t y) {
        screen->blt_keyed(layer->surface, source, x, y);
    });
}

void draw_layer_quarter(mg_t* screen, bg_t* layer) {
    draw_cells(screen, layer, [&](const plat::rect_t& source, int32_t x, int32_t y) {
        blend_blit_quarter(screen->surface, &screen->clip, x, y, layer->surface, &source);
    });
}

void draw_layer_half(mg_t* screen, bg_t* layer) {
    draw_cells(screen, layer, [&](const plat::rect_t& source, int32_t x, int32_t y) {
        blend_blit_half(screen->surface, &screen->clip, x, y, layer->surface, &source);
    });
}

void draw_layer_alpha(mg_t* screen, bg_t* layer, int32_t weight) {
    draw_cells(screen, layer, [&](const plat::rect_t& source, int32_t x, int32_t y) {
        blend_blit_alpha(screen->surface, &screen->clip, x, y, layer->surface, &source, weight);
    });
}
