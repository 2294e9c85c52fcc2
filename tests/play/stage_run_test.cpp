// Each sample stage played from its start by a ship that cannot die and fires all the time, flying at the
// height of the boss on screen: the stage must open with its sign and its music, which starts only once,
// and hand over to its next stage at its frame, faded out to black, and every boss on the way must be shot
// down or leave by its own rule, none still there when the stage moves on or dropped by the scroll.
#include "bosses/bees/bee003.h"
#include "bosses/boss004/boss004_body.h"
#include "bosses/boss005/bodies.h"
#include "bosses/boss006/boss006.h"
#include "bosses/crab/crab001.h"
#include "bosses/melvorin/melvorin_body.h"
#include "bosses/melvorin/melvorin_core.h"
#include "bosses/midboss001/midboss001.h"
#include "bosses/midboss002/midboss002.h"
#include "bosses/midboss003/midboss003.h"
#include "bosses/quadbarrel/quadbarrel.h"
#include "bosses/scorpion/chest.h"
#include "objects/play_globals.h"
#include "objects/score.h"
#include "play/navigation.h"
#include "play/stage_events.h"
#include "player/ship.h"
#include "tests/play/play_run_fixture.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr uint32_t give_up = 20000;

// What the ship aims at: the boss's core where only the core can be hit.
template <typename T> object_t* body_of(enemy_t* e) {
    return dynamic_cast<T*>(e);
}
template <typename T> object_t* core_of(enemy_t* e) {
    auto* body = dynamic_cast<T*>(e);
    return body == nullptr ? nullptr : body->core != nullptr ? static_cast<object_t*>(body->core) : body;
}

struct boss_kind_t {
    const char* name;
    object_t* (*aim)(enemy_t*); // null when the enemy is not of the kind
};
const boss_kind_t boss_kinds[] = {
    {"midboss001", body_of<midboss001::body_t>}, {"midboss002", body_of<midboss002::body_t>},
    {"midboss003", body_of<midboss003::body_t>}, {"quadbarrel", core_of<quadbarrel::body_t>},
    {"crab001", body_of<crab001::body_t>},       {"bee003", body_of<bee003::body_t>},
    {"boss004", core_of<boss004::body_t>},       {"boss005", body_of<boss005::leadbody_t>},
    {"boss006", body_of<boss006::body_t>},       {"scorpion", body_of<scorpion001::chest_t>},
    {"final boss", core_of<melvorin::body_t>},
};

bool on_screen(const object_t& o) {
    return o.x >= -64 && o.x < 320 && o.y >= -64 && o.y < 320;
}

object_t* target = nullptr;

// Weaving while no boss is on screen; else level with its target, near the left edge.
uint8_t aiming_script(uint32_t frame) {
    if (target == nullptr) {
        return weaving_script(frame);
    }
    const ship_t* ship = g_player_ship;
    return input_shot | (frame % 128 < 64 ? input_missile : 0) |
           (ship->x > 44 ? input_left : (ship->x < 36 ? input_right : 0)) |
           (ship->y > target->y + 2 ? input_up : (ship->y < target->y - 2 ? input_down : 0));
}

// The play that follows a stage's run: its change, its first sign and its music starts.
class stage_watch_t : public unhurt_play_t {
  public:
    stage_watch_t(playinfo_t* settings, ranking_t* ranking)
        : unhurt_play_t(settings, ranking, aiming_script) {}

    int32_t run_event(int32_t code, int32_t parameter) override {
        if (code == stage_event::next_stage && change == 0) {
            change = frame_number;
            next = {int16_t(parameter & 0xFFFF), int16_t(uint32_t(parameter) >> 16)};
            black_at_change = fade_state == stage_event::fade_out_black && fade_weight == fade_full;
        }
        if (code == stage_event::navigation && sign.empty()) {
            sign = navigation_message(parameter);
        }
        music_starts += code == stage_event::bgm_start && change == 0 ? 1 : 0;
        return unhurt_play_t::run_event(code, parameter);
    }

    uint32_t change = 0;
    std::pair<int32_t, int32_t> next; // the stage and the section the change asks for
    std::string sign;                 // the first navigation message
    int music_starts = 0;
    bool black_at_change = false;
};

// A boss met on screen, and how it went: "shot" (its score paid in the frame it died), "left" (gone by
// itself, or off screen for good), "dropped" (the scroll's window passed it) or "still there".
struct met_t {
    enemy_t* body;
    const char* name;
    std::string end;
};

struct stage_row_t {
    int32_t stage;
    const char* sign;
    uint32_t change;                  // the frame the stage change comes
    std::pair<int32_t, int32_t> next; // the stage and section that follow; stage -1 is the ending
    std::vector<std::string> bosses;  // name and end, in the order they were met
};

class stage_run : public play_run_fixture_t, public testing::WithParamInterface<stage_row_t> {};

} // namespace

TEST_P(stage_run, reaches_its_change_past_every_boss) {
    const stage_row_t& row = GetParam();
    reset_run_globals();
    settings.stage = row.stage;
    stage_watch_t scene(&settings, &ranking);
    ASSERT_TRUE(scene.startup());
    target = nullptr;
    std::vector<met_t> met;
    for (; scene.change == 0 && scene.frame_number < give_up; ++scene.frame_number) {
        const int32_t score = g_score;
        scene.run_frame(false);
        for (array_t<enemy_t*>& list : scene.stage.enemies) {
            for (size_t i = 0; i < list.items.size(); ++i) {
                enemy_t* e = list.items[i];
                const bool in_window = i >= list.first && i < list.end;
                const auto seen =
                    std::find_if(met.begin(), met.end(), [e](const met_t& m) { return m.body == e; });
                for (const boss_kind_t& kind : boss_kinds) {
                    if (kind.aim(e) == nullptr) {
                        continue;
                    }
                    if (seen == met.end() && in_window && e->alive && on_screen(*e)) {
                        met.push_back({e, kind.name, ""});
                    } else if (seen != met.end() && seen->end.empty()) {
                        seen->end = !in_window                          ? "dropped"
                                    : e->alive && !on_screen(*e)        ? "left"
                                    : e->alive                          ? ""
                                    : g_score - score >= e->info->score ? "shot"
                                                                        : "left";
                    }
                }
            }
        }
        target = nullptr;
        for (const met_t& m : met) {
            for (const boss_kind_t& kind : boss_kinds) {
                target =
                    target == nullptr && m.end.empty() && m.name == kind.name ? kind.aim(m.body) : target;
            }
        }
    }
    target = nullptr;
    std::vector<std::string> bosses;
    for (const met_t& m : met) {
        bosses.push_back(std::string(m.name) + " " + (m.end.empty() ? "still there" : m.end));
    }
    EXPECT_EQ(scene.sign, row.sign);
    EXPECT_EQ(scene.music_starts, 1) << "the music starts at the stage's start and never again";
    EXPECT_EQ(scene.change, row.change);
    EXPECT_EQ(scene.next, row.next);
    EXPECT_TRUE(scene.black_at_change) << "the stage has faded out to black when it changes";
    EXPECT_EQ(bosses, row.bosses);
}

// Measured, and in line with the bosses' rules: midboss003 leaves after its 288 attack frames; of the
// three winged gunships the one not shot flies off a section after it came; the rest are shot down.
INSTANTIATE_TEST_SUITE_P(
    sample, stage_run,
    testing::Values(
        stage_row_t{1, "ENTER THE ENEMY LINE", 3069, {2, 0}, {"midboss003 left", "midboss002 shot"}},
        stage_row_t{2,
                    "SANITIZE THE AREA\nOF ALL ENEMY SHIPS",
                    3157,
                    {3, 0},
                    {"midboss001 shot", "midboss001 shot", "midboss001 left", "quadbarrel shot"}},
        stage_row_t{3, "SEVER THE NET OF THE CELL", 5069, {4, 0}, {"crab001 shot", "boss004 shot"}},
        stage_row_t{4, "ENTER THE APICULTURE ZONE", 7973, {5, 0}, {"bee003 shot", "boss006 shot"}},
        stage_row_t{5, "ENTER THE CIRCUIT", 6113, {6, 0}, {"boss005 shot"}},
        stage_row_t{6, "ENTER THE ENEMY BASE", 9533, {-1, 0}, {"scorpion shot", "final boss shot"}}),
    [](const testing::TestParamInfo<stage_row_t>& info) {
        return "stage_" + std::to_string(info.param.stage);
    });
