// The game-over scene: the last picture of play darkens to half, a run that entered the ranking gets
// its name entered, else the game-over picture blinks; then the ranking or the title follows.
#pragma once

#include "play/scene.h"

#include <cstdint>
#include <memory>
#include <string>

class ranking_t;
struct ranking_record_t;
class vscreen_t;

class gameover_scene_t : public scene_t {
  public:
    enum state_t : int32_t { state_darkening = 0, state_name_entry = 1, state_game_over = 2 };
    static constexpr char space_glyph = 2;
    static constexpr char end_glyph = 3;

    explicit gameover_scene_t(ranking_t* ranking);
    ~gameover_scene_t() override;

    bool startup() override;
    void frame() override;
    void on_key(int32_t virtual_key) override;
    // To the ranking after a new entry, else to the title.
    virtual void leave();
    // The index of c in the glyph table (a blank as the space glyph), -1 when absent.
    int32_t find_glyph(char c) const;

    std::unique_ptr<vscreen_t> layer; // the frozen, later the half-dark picture
    std::string glyphs;
    int32_t cursor = 0;
    ranking_t* ranking;
    int32_t max_length = 8;
    int32_t length = 0;
    int32_t place = 0;
    int32_t image = -1;
    int32_t state = state_darkening;
    int32_t timer = 0;

  private:
    ranking_record_t* entry() const;
    void draw_state();
    void draw_darkening();
    void draw_name_entry();
    void draw_game_over();
    void enter_glyph();
};
