// GDI text output of the platform library: start-up messages on the window, settings text on a surface.
#pragma once

#include "platform/types.h"
#include "umlib/surface.h"

namespace umlib {

struct text_record_t {
    const char* text = nullptr;
    int32_t length = 0;  // in bytes
    int32_t bk_mode = 0; // plat::transparent or plat::opaque
    plat::colorref_t bk_color = 0;
    plat::colorref_t text_color = 0;
    plat::hfont_t font = nullptr; // null: the default GUI font, which is then kept here
};

bool text_out(text_record_t& record, plat::hdc_t dc, int x, int y);
bool window_text_out(text_record_t& record, plat::hwnd_t window, int x, int y);
bool surface_text_out(text_record_t& record, surface_t* surface, int x, int y);

} // namespace umlib
