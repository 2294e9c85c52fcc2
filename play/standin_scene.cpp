#include "play/standin_scene.h"

#include "platform/keyboard.h"
#include "play/scenectr.h"
#include "screen/present_frame.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"

#include <cstring>

namespace {

constexpr int font_sprite = 0;

} // namespace

void standin_scene_t::frame() {
    mg_t* screen = g_screenctr.mg;
    if (screen == nullptr) {
        return;
    }
    screen->clear(0);
    const sprite_record_t& font = g_screenctr.sprites[font_sprite];
    if (font.cell_width > 0 && font.cell_height > 0) {
        // Centred on the back buffer, as the game centres its captions.
        const int32_t col = (256 / font.cell_width - int32_t(std::strlen(name_))) / 2;
        const int32_t row = 256 / (font.cell_height + 1) / 2;
        screen->draw_string(col, row, name_, font_sprite);
    }
    present_frame();
}

void standin_scene_t::on_key(int32_t virtual_key) {
    if (virtual_key != plat::vk_return && virtual_key != plat::vk_escape) {
        return;
    }
    queue_scenes({scene_title});
}
