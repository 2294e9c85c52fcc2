#include "umlib/text_out.h"

#include "platform/gdi.h"

namespace umlib {

bool text_out(text_record_t& record, plat::hdc_t dc, int x, int y) {
    if (record.text == nullptr) {
        return false;
    }
    if (record.font == nullptr) {
        record.font = plat::get_stock_object(plat::default_gui_font);
    }
    plat::hgdiobj_t previous = plat::select_object(dc, record.font);
    plat::set_bk_mode(dc, record.bk_mode);
    plat::set_bk_color(dc, record.bk_color);
    plat::set_text_color(dc, record.text_color);
    plat::text_out(dc, x, y, record.text, record.length);
    plat::select_object(dc, previous);
    return true;
}

bool window_text_out(text_record_t& record, plat::hwnd_t window, int x, int y) {
    plat::hdc_t dc = plat::get_dc(window);
    if (dc == nullptr) {
        return false;
    }
    const bool done = text_out(record, dc, x, y);
    plat::release_dc(window, dc);
    return done;
}

bool surface_text_out(text_record_t& record, surface_t* surface, int x, int y) {
    plat::hdc_t dc = nullptr;
    if (plat::failed(surface->surface->get_dc(&dc))) {
        return false;
    }
    const bool done = text_out(record, dc, x, y);
    surface->surface->release_dc(dc);
    return done;
}

} // namespace umlib
