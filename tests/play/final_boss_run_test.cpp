// The sample's stage 2 played from its last section through the final boss's death: the ship shoots the
// core down, and the body's closing steps all happen before the stage hands over.
#include "bosses/melvorin_body.h"
#include "bosses/melvorin_core.h"
#include "objects/play_globals.h"
#include "play/stage_events.h"
#include "player/ship.h"
#include "tests/play/play_run_fixture.h"

#include <algorithm>
#include <tuple>

namespace {

using final_boss_run = play_run_fixture_t;
using event_t = std::tuple<uint32_t, int32_t, int32_t>;

namespace ev = stage_event;

// A play that keeps the events it runs.
class logged_play_t : public scripted_play_t {
  public:
    using scripted_play_t::scripted_play_t;

    int32_t run_event(int32_t code, int32_t parameter) override {
        events.emplace_back(frame_number, code, parameter);
        return scripted_play_t::run_event(code, parameter);
    }

    std::vector<event_t> events;
};

// Firing from in front of the core's dock, level with the core.
const melvorin::core_t* target = nullptr;
uint8_t facing_the_core(uint32_t) {
    uint8_t input = input_shot;
    if (const ship_t* ship = g_player_ship) {
        const float y = target != nullptr ? target->y : 128;
        input |= ship->x > 64 ? input_left : (ship->x < 40 ? input_right : 0);
        input |= ship->y > y + 2 ? input_up : (ship->y < y - 2 ? input_down : 0);
    }
    return input;
}

} // namespace

TEST_F(final_boss_run, stage_2_hands_over_only_after_the_bodys_death_sequence) {
    reset_run_globals();
    settings.stage = 2;
    settings.section = 5;
    logged_play_t scene(&settings, &ranking, facing_the_core);
    ASSERT_TRUE(scene.startup());
    const auto handed_over = [&scene] {
        return !scene.events.empty() && std::get<1>(scene.events.back()) == ev::next_stage;
    };
    melvorin::body_t* body = nullptr;
    uint32_t death = 0; // the frame the core died in
    int32_t blasts_at_end = 0;
    for (; scene.frame_number < 7000 && !handed_over(); ++scene.frame_number) {
        scene.run_frame(false);
        for (enemy_t* e : scene.stage.enemies[0].items) {
            body = body != nullptr ? body : dynamic_cast<melvorin::body_t*>(e);
        }
        target = body != nullptr ? body->core : nullptr;
        if (body != nullptr && body->phase == 200 && death == 0) {
            death = scene.frame_number;
        }
        if (body != nullptr && body->phase == -1 && blasts_at_end == 0) {
            for (const auto& e : body->death_explosions.entries) {
                blasts_at_end += e.explosion->alive;
            }
        }
    }
    target = nullptr;
    ASSERT_NE(death, 0u) << "the core was never destroyed";
    // The last blasts light every idle one of the 32; a few of the random ones may end in that frame.
    EXPECT_GE(blasts_at_end, 28);
    // The body's timer starts the frame after the core's death; the stage's own close (the fade to black
    // and the hand-over to the ending) comes last. The fades' own ends and the music are left out.
    std::vector<event_t> closing;
    for (const auto& [frame, code, parameter] : scene.events) {
        if (frame >= death && code != ev::no_fading && code != ev::bgm_fade) {
            closing.emplace_back(frame - death, code, parameter);
        }
    }
    const std::vector<event_t> expected{{0, ev::shake, 3},
                                        {0, ev::scroll_stop, 0},
                                        {0, ev::fade_in, 1},
                                        {897, ev::fade_out_white, 5},
                                        {1049, ev::fade_in, 5},
                                        {1049, ev::scroll_stop, 0},
                                        {1374, ev::fade_out_black, 5},
                                        {1502, ev::next_stage, 0xFFFF}};
    EXPECT_EQ(closing, expected);
}
