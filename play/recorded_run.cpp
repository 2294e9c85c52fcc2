#include "play/recorded_run.h"

#include "objects/play_globals.h"
#include "objects/score.h"
#include "play/draw_object.h"
#include "play/play_state.h"
#include "play/playinfo.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"

#include <algorithm>

void begin_recorded_run(const playinfo_t& header) {
    reset_play_state();
    score_reset(header.start_score);
    g_lives = std::min(header.start_lives, lives_cap);
}

int32_t mark_blink_weight(uint32_t frame) {
    const int32_t s = int32_t(frame % 64);
    return s < 32 ? 8 * s : 8 * (64 - s);
}

void draw_corner_mark(int32_t sprite) {
    if (sprite < 0 || sprite >= int32_t(std::size(g_screenctr.sprites))) {
        return;
    }
    const sprite_record_t& record = g_screenctr.sprites[sprite];
    const int32_t x = 256 - (record.cell_width + 5) / 2;
    const int32_t y = 248 - (record.cell_height + 5) / 2;
    draw_cell_blended(g_screenctr.mg, sprite, 0, x, y, mark_blink_weight(g_frame_counter));
}
