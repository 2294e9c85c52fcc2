// The display modes DirectDraw reports, for the configuration's screen-mode check.
#pragma once

#include "platform/ddraw.h"

namespace umlib {

// Copies up to max reported mode descriptions into out; the number stored (0 when no device).
int enum_display_modes(plat::surface_desc_t* out, int max);
// True when one of the first 32 reported modes has exactly this size and depth.
bool mode_exists(int width, int height, int bits_per_pixel);

} // namespace umlib
