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
// Shows an unkeyed copy of `from` of source onto `to` of the primary surface, enlarged by whole steps, before
// the copy is made: where the window shows the rest of the picture unchanged since the last presentation,
// only `to` is redrawn, straight from source, each source pixel converted once. `shown` holds the source
// pixels last shown so, row after row, and takes these: pieces unchanged since are not drawn again. False
// when it cannot be shown so, `shown` untouched: the copy is then to be made and shown with present_primary.
bool present_primary_copy(dd_surface_t* primary, dd_surface_t* source, const rect_t& from, const rect_t& to,
                          std::vector<uint8_t>& shown);
// The window shown again after something covered it: its surface goes to the screen whole.
void present_exposed(hwnd_t window);
// A primary surface going away: a picture left out of date by present_primary_copy no longer reads it.
void forget_primary(dd_surface_t* primary);

// The window area that the last presentation sent to the screen, empty when it sent nothing.
rect_t last_sent_for_test(hwnd_t window);
// What the renderer shows in the window, 0x00RRGGBB, row by row; empty when nothing can be read.
std::vector<uint32_t> read_window_pixels_for_test(hwnd_t window, int32_t* width, int32_t* height);

} // namespace plat
