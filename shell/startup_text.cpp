#include "shell/startup_text.h"

#include "platform/gdi.h"
#include "umlib/text_out.h"

#include <cstring>

void draw_startup_text(plat::hwnd_t window, const char* text, int y) {
    constexpr int left = 8;
    umlib::text_record_t record;
    record.text = text;
    record.length = int32_t(std::strlen(text));
    record.bk_mode = plat::transparent;
    record.text_color = 0xFFFFFF;
    umlib::window_text_out(record, window, left, y);
}
