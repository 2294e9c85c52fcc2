// The map-layer renderers: every cell of a background layer's maps copied onto the main screen at the
// layer's offsets plus the screen's scroll, wrapped around, with the blend the layer's transparency picks.
#pragma once

#include <cstdint>

class mg_t;
class bg_t;

// By transparency: 0 keyed copy, 64 three quarters layer, 128 half, 256 nothing, else the screen's weight.
void draw_layer(mg_t* screen, bg_t* layer);
void draw_layer_normal(mg_t* screen, bg_t* layer);
void draw_layer_quarter(mg_t* screen, bg_t* layer);
void draw_layer_half(mg_t* screen, bg_t* layer);
void draw_layer_alpha(mg_t* screen, bg_t* layer, int32_t weight);
