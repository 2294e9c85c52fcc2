// Display-mode enumeration of the device.
#include "platform/ddraw.h"
#include "platform/display.h"

namespace plat {

hresult_t ddraw_t::enum_display_modes(uint32_t, const surface_desc_t*, void* context,
                                      enum_modes_callback_t callback) {
    if (callback == nullptr) {
        return dderr_invalidparams;
    }
    for (const display_mode_t& m : display_modes()) {
        surface_desc_t desc;
        desc.flags = ddsd_width | ddsd_height | ddsd_pitch | ddsd_pixelformat | ddsd_refreshrate;
        desc.width = m.width;
        desc.height = m.height;
        desc.pixel_format = pixel_format_of_depth(int(m.bits_per_pixel));
        desc.pitch = int32_t(m.width * m.bits_per_pixel / 8);
        desc.refresh_rate = 60;
        if (callback(&desc, context) == ddenumret_cancel) {
            break;
        }
    }
    return dd_ok;
}

} // namespace plat
