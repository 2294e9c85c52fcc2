// The GDI calls the loading bar makes on the window, declared as the stand-in's GDI offers them.
#pragma once

#include "platform/types.h"

namespace plat {

struct gdi_object;
using hgdiobj_t = gdi_object*;
using hbrush_t = gdi_object*;

constexpr int ltgray_brush = 1;
constexpr int dkgray_brush = 3;

hdc_t get_dc(hwnd_t window);
int release_dc(hwnd_t window, hdc_t dc);
hgdiobj_t get_stock_object(int index);
int fill_rect(hdc_t dc, const rect_t* area, hbrush_t brush);

} // namespace plat
