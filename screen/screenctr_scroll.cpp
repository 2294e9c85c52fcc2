// Scrolling and arranging the screen manager's background layers.
#include "screen/bg.h"
#include "screen/layer_scroll.h"
#include "screen/screenctr.h"

namespace {

// Moves one axis: the position, then each active layer's offset on that axis.
void scroll_axis(bg_t* const (&layers)[background_layer_count], int32_t& position, int32_t delta,
                 int32_t vscreen_t::*offset, int32_t vscreen_t::*size) {
    if (delta == 0) {
        return;
    }
    position = add_scroll(position, delta);
    for (bg_t* layer : layers) {
        if (layer != nullptr) {
            layer->*offset = layer_scroll_offset(position, layer->shift, layer->*size);
        }
    }
}

} // namespace

void screenctr_t::scroll_x(int32_t dx) {
    scroll_axis(layers, scroll_pos_x, dx, &vscreen_t::offset_x, &vscreen_t::width);
}

void screenctr_t::scroll_y(int32_t dy) {
    scroll_axis(layers, scroll_pos_y, dy, &vscreen_t::offset_y, &vscreen_t::height);
}

void screenctr_t::reset_scroll() {
    scroll_pos_x = scroll_pos_y = 0;
    for (bg_t* layer : layers) {
        if (layer != nullptr) {
            layer->offset_x = layer->offset_y = 0;
        }
    }
}

void screenctr_t::swap_layers(int a, int b) {
    // Slot numbers come from stage events.
    if (a < 0 || a >= background_layer_count || b < 0 || b >= background_layer_count) {
        return;
    }
    bg_t* la = layers[a];
    bg_t* lb = layers[b];
    if (la == nullptr || lb == nullptr) {
        return;
    }
    // Each slot keeps its scroll state: the layer moving in takes it, wrapped by its own size.
    const int32_t ax = la->offset_x, ay = la->offset_y, as = la->shift;
    la->offset_x = lb->offset_x & (la->width - 1);
    la->offset_y = lb->offset_y & (la->height - 1);
    la->shift = lb->shift;
    lb->offset_x = ax & (lb->width - 1);
    lb->offset_y = ay & (lb->height - 1);
    lb->shift = as;
    layers[a] = lb;
    layers[b] = la;
}

void screenctr_t::restore_layers() {
    for (int i = 0; i < background_layer_count; ++i) {
        bg_t* layer = saved_layers[i];
        layers[i] = layer;
        if (layer != nullptr) {
            layer->offset_x &= layer->width - 1;
            layer->offset_y &= layer->height - 1;
        }
    }
}
