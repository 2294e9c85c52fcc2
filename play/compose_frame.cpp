// The paused picture: the running game's last picture redrawn, and the two-entry pause menu over it.
#include "play/draw_object.h"
#include "play/play_scene.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"

namespace {

constexpr int32_t menu_x = 128;
constexpr int32_t resume_y = 124;
constexpr int32_t quit_y = 132;
// Cells of image\usrans.bmp: each entry's highlighted cell, with the plain one beside it.
constexpr int32_t resume_highlighted = 0;
constexpr int32_t resume_plain = 1;
constexpr int32_t quit_highlighted = 8;
constexpr int32_t quit_plain = 9;

} // namespace

void play_scene_t::compose_frame(int32_t blend) {
    draw_world();
    mg_t* screen = g_screenctr.mg;
    draw_cell_blended(screen, sprite_usrans, pause_cursor != 0 ? resume_plain : resume_highlighted, menu_x,
                      resume_y, blend);
    draw_cell_blended(screen, sprite_usrans, pause_cursor == 1 ? quit_highlighted : quit_plain, menu_x,
                      quit_y, blend);
}
