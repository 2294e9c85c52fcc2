// The GDI calls the loading bar makes on the window, as the stand-in's GDI offers them.
#pragma once

#include "platform/types.h"

namespace plat {

struct brush;
using hbrush_t = brush*;

constexpr int ltgray_brush = 1;
constexpr int dkgray_brush = 3;

hdc_t get_dc(hwnd_t window);
int release_dc(hwnd_t window, hdc_t dc);
hbrush_t get_stock_brush(int which);
int fill_rect(hdc_t dc, const rect_t* rect, hbrush_t brush);

} // namespace plat
