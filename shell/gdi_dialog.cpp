#include "shell/gdi_dialog.h"

#include "screen/present_frame.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"
#include "umlib/draw.h"

void prepare_gdi_dialog() {
    if (g_screenctr.mg == nullptr || g_screenctr.presenter == nullptr) {
        return; // no picture to make way for
    }
    g_screenctr.mg->clear(0);
    present_frame();
    g_screenctr.presenter->flip_to_gdi();
}
