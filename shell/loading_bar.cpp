#include "shell/loading_bar.h"

#include "platform/gdi.h"
#include "platform/window.h"

void draw_loading_bar(plat::hwnd_t window, int percent) {
    plat::rect_t client;
    plat::get_client_rect(window, &client);
    const loading_bar_t bar = loading_bar_rects(client, percent);
    plat::hdc_t dc = plat::get_dc(window);
    plat::fill_rect(dc, &bar.done, plat::get_stock_object(plat::ltgray_brush));
    plat::fill_rect(dc, &bar.rest, plat::get_stock_object(plat::dkgray_brush));
    plat::release_dc(window, dc);
}
