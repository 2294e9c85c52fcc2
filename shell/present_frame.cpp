#include "shell/present_frame.h"

#include "screen/screenctr.h"
#include "shell/frame_loop.h"
#include "umlib/draw.h"

void present_frame() {
    umlib::draw_t* presenter = g_screenctr.presenter;
    if (presenter == nullptr) {
        return;
    }
    if (g_vsync && !frame_loop_paces_by_timer()) {
        presenter->ddraw->wait_for_vertical_blank(plat::ddwaitvb_blockbegin, nullptr);
    }
    g_screenctr.present();
}
