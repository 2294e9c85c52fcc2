#include "scenes/ranking_scene.h"

#include "play/scenectr.h"
#include "scenes/draw_sprite.h"
#include "scenes/ranking_table.h"
#include "screen/present_frame.h"
#include "screen/screenctr.h"
#include "screen/vscreen.h"

namespace {

constexpr int ranking_font = 2;

class layer_text_t : public ranking_text_t {
  public:
    explicit layer_text_t(vscreen_t& layer) : layer_(layer) {}
    void string(int32_t col, int32_t row, const char* text) override {
        layer_.draw_string(col, row, text, ranking_font);
    }
    void text(int32_t col, int32_t row, const char* text, int32_t weight) override {
        layer_.draw_text(col, row, text, ranking_font, weight);
    }
    void number(int32_t col, int32_t row, int32_t value, int32_t digits, int32_t weight) override {
        layer_.draw_text_ex(col, row, value, digits, ranking_font, weight, ' ');
    }

  private:
    vscreen_t& layer_;
};

} // namespace

// The picture of the scene before stays underneath: only the scroll is reset.
bool ranking_scene_t::startup() {
    g_screenctr.reset_scroll();
    background = g_screenctr.find_sprite("image\\title2.bmp");
    return background != -1;
}

void ranking_scene_t::frame() {
    draw_sprite_centred(background, 128, 128);
    if (g_screenctr.mg != nullptr) {
        layer_text_t text(*g_screenctr.mg);
        draw_ranking_table(*ranking, timer, text);
    }
    present_frame();
    timer = (timer + 1) & 0xFFFF;
}

void ranking_scene_t::on_key(int32_t) {
    queue_scenes({scene_title});
}
