// Presentation: each window keeps its client-area picture in memory (0x00RRGGBB pixels) and shows it in
// the window's own surface, enlarged by whole steps to a full-screen mode's size.
#pragma once

#include "platform/ddraw.h"
#include "platform/gdi_pixels.h"

#include <cstdint>
#include <vector>

namespace plat {

// The window's picture, sized to its client area (or display mode); made on first use.
pixel_view_t window_canvas(hwnd_t window);
void present_window(hwnd_t window);
// Copies the window's client-area part of the primary surface into the picture and shows it.
void present_primary(dd_surface_t* primary);

// What the renderer shows in the window, 0x00RRGGBB, row by row; empty when nothing can be read.
std::vector<uint32_t> read_window_pixels_for_test(hwnd_t window, int32_t* width, int32_t* height);

} // namespace plat
