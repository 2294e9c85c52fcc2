// The sample's last stage played from its last section through the final boss's death: the ship shoots the
// core down, and the body's closing steps all happen before the stage hands over to the ending.
#include "bosses/melvorin/melvorin_body.h"
#include "bosses/melvorin/melvorin_core.h"
#include "objects/play_globals.h"
#include "play/stage_events.h"
#include "player/ship.h"
#include "tests/play/play_run_fixture.h"

#include <tuple>

namespace {

namespace ev = stage_event;
using final_boss_run = play_run_fixture_t;
using event_t = std::tuple<uint32_t, int32_t, int32_t>;

// A play that keeps the events it runs, but for the fades' own ends and the music.
class logged_play_t : public scripted_play_t {
  public:
    using scripted_play_t::scripted_play_t;

    int32_t run_event(int32_t code, int32_t parameter) override {
        if (code != ev::no_fading && code != ev::bgm_fade) {
            events.emplace_back(frame_number, code, parameter);
        }
        return scripted_play_t::run_event(code, parameter);
    }

    std::vector<event_t> events;
};

// Firing from in front of the core's dock, level with the core.
const melvorin::core_t* target = nullptr;
uint8_t facing_the_core(uint32_t) {
    const ship_t* ship = g_player_ship;
    const float y = target != nullptr ? target->y : 128;
    return input_shot | (ship->x > 64 ? input_left : (ship->x < 40 ? input_right : 0)) |
           (ship->y > y + 2 ? input_up : (ship->y < y - 2 ? input_down : 0));
}

} // namespace

TEST_F(final_boss_run, the_last_stage_hands_over_only_after_the_bodys_death_sequence) {
    reset_run_globals();
    settings.stage = 6;
    settings.section = 5;
    logged_play_t scene(&settings, &ranking, facing_the_core);
    ASSERT_TRUE(scene.startup());
    uint32_t death = 0; // the frame the core died in
    while (scene.frame_number < 7000 &&
           (scene.events.empty() || std::get<1>(scene.events.back()) != ev::next_stage)) {
        scene.run_frame(false);
        // Looked up every frame: the hand-over unloads the stage and the body with it.
        melvorin::body_t* body = nullptr;
        for (enemy_t* e : scene.stage.enemies[0].items) {
            body = body != nullptr ? body : dynamic_cast<melvorin::body_t*>(e);
        }
        target = body != nullptr ? body->core : nullptr;
        death = death == 0 && body != nullptr && body->phase == 200 ? scene.frame_number : death;
        ++scene.frame_number;
    }
    target = nullptr;
    ASSERT_NE(death, 0u) << "the core was never destroyed";
    // The stage holds again a pixel on; the body's timer starts the frame after the core's death; the
    // stage's own close (the fade to black and the hand-over to the ending) comes after the body's end.
    std::erase_if(scene.events, [death](const event_t& e) { return std::get<0>(e) < death; });
    for (event_t& e : scene.events) {
        std::get<0>(e) -= death;
    }
    const std::vector<event_t> closing{
        {0, ev::shake, 3},          {0, ev::scroll_stop, 0},       {0, ev::fade_in, 1},
        {0, ev::scroll_stop, 1},    {897, ev::fade_out_white, 5},  {1049, ev::fade_in, 5},
        {1049, ev::scroll_stop, 0}, {1398, ev::fade_out_black, 5}, {1526, ev::next_stage, 0xFFFF}};
    EXPECT_EQ(scene.events, closing);
}
