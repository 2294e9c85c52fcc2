#include "screen/present_frame.h"

#include "screen/screenctr.h"
#include "umlib/draw.h"

bool g_vsync = false;
bool g_timer_paced = false;

void present_frame() {
    umlib::draw_t* presenter = g_screenctr.presenter;
    if (presenter == nullptr) {
        return;
    }
    if (g_vsync && !g_timer_paced) {
        presenter->ddraw->wait_for_vertical_blank(plat::ddwaitvb_blockbegin, nullptr);
    }
    g_screenctr.present();
}
