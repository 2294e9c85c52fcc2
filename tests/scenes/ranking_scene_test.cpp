// The ranking display: rows on the text grid with their fade weights, the new entry standing out, names
// bounded; and the three front-end scenes' start-ups asking for their pictures.
#include "base/binio.h"
#include "scenes/config_scene.h"
#include "scenes/gameover_scene.h"
#include "scenes/ranking_scene.h"
#include "scenes/ranking_table.h"
#include "tests/scenes/frontend_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct drawn_t {
    int32_t col;
    int32_t row;
    std::string text; // a number as its decimal digits
    int32_t weight;   // -1: opaque

    bool operator==(const drawn_t&) const = default;
};

std::ostream& operator<<(std::ostream& out, const drawn_t& d) {
    return out << "(" << d.col << ", " << d.row << ", \"" << d.text << "\", " << d.weight << ")";
}

class recording_text_t : public ranking_text_t {
  public:
    void string(int32_t col, int32_t row, const char* text) override {
        drawn.push_back({col, row, text, -1});
    }
    void text(int32_t col, int32_t row, const char* text, int32_t weight) override {
        drawn.push_back({col, row, text, weight});
    }
    // The right-aligned field's last cell stands for it.
    void number(int32_t col, int32_t row, int32_t value, int32_t digits, int32_t weight) override {
        drawn.push_back({col + digits, row, std::to_string(value), weight});
    }
    // Row r's four items (the header is item 0).
    std::vector<drawn_t> row(int32_t r) const {
        return {drawn.begin() + 1 + 4 * r, drawn.begin() + 5 + 4 * r};
    }

    std::vector<drawn_t> drawn;
};

recording_text_t draw(const ranking_t& table, int32_t timer) {
    recording_text_t out;
    draw_ranking_table(table, timer, out);
    return out;
}

} // namespace

TEST(ranking_table, rows_line_up_under_the_header_and_fade_in_over_43_frames) {
    ranking_t table;
    table.set_default();
    recording_text_t out = draw(table, 0);
    ASSERT_EQ(out.drawn.size(), 1u + 30 * 4);
    EXPECT_EQ(out.drawn[0], (drawn_t{3, 2, "RANK      SCORE   NAME       PLACE", -1}));
    EXPECT_EQ(out.row(0),
              (std::vector<drawn_t>{
                  {6, 4, "1", 256}, {17, 4, "738950", 256}, {21, 4, "---", 256}, {32, 4, "1-3-14", 256}}));
    EXPECT_EQ(out.row(29)[0], (drawn_t{6, 33, "30", 256}));
    for (const auto& [timer, weight] :
         std::vector<std::pair<int32_t, int32_t>>{{1, 250}, {42, 4}, {43, 0}, {65535, 0}}) {
        out = draw(table, timer);
        for (int32_t r = 0; r < 30; ++r) {
            for (const drawn_t& d : out.row(r)) {
                ASSERT_EQ(d.weight, weight) << "timer " << timer << " row " << r;
            }
        }
    }
}

TEST(ranking_table, only_the_new_entry_fades_in_and_long_names_are_cut_at_15_bytes) {
    ranking_t table;
    table.set_default();
    ranking_record_t run;
    run.score = 999999;
    std::memset(run.name, 0xE9, sizeof run.name); // filled in memory without its terminator
    ASSERT_TRUE(table.insert(run));
    std::memset(table.records[0].name, 0xE9, sizeof table.records[0].name);
    const recording_text_t out = draw(table, 10);
    EXPECT_EQ(out.row(0)[0].weight, 196);
    EXPECT_EQ(out.row(0)[2].text, std::string(15, char(0xE9)));
    for (int32_t r = 1; r < 30; ++r) {
        EXPECT_EQ(out.row(r)[1].weight, 128) << r;
    }
}

using frontend_startup = frontend_fixture_t;

TEST_F(frontend_startup, each_scene_needs_its_pictures_and_the_ranking_leaves_on_any_key) {
    ASSERT_TRUE(start(32));
    ranking_t& table = controller->ranking;
    const auto settings = [&] { return config_scene_t(&config, &table, &controller->userinfo).startup(); };
    const auto game_over = [&] { return gameover_scene_t(&table).startup(); };
    const auto ranking = [&] { return ranking_scene_t(&table).startup(); };
    EXPECT_TRUE(settings());
    EXPECT_TRUE(game_over());
    EXPECT_TRUE(ranking());
    for (const char* path :
         {"image\\char003.bmp", "image\\eqstate_icon.bmp", "image\\gameover.bmp", "image\\title2.bmp"}) {
        const int index = g_screenctr.find_sprite(path);
        ASSERT_NE(index, -1) << path;
        g_screenctr.sprites[index].path = "image\\elsewhere.bmp";
        const std::string name = path;
        EXPECT_EQ(settings(), name == "image\\gameover.bmp") << path; // the unused sheet is needed too
        EXPECT_EQ(game_over(), name != "image\\gameover.bmp") << path;
        EXPECT_EQ(ranking(), name != "image\\title2.bmp") << path;
        g_screenctr.sprites[index].path = path;
    }
    // A music file that the game-over's table names but that is missing fails its start-up too.
    const std::string music = "0\t.\\bin\\sound\\missing.mid\t0\t0\t0\n";
    ASSERT_TRUE(write_file_bytes("bin/bgmtbl_gmo.txt", std::vector<uint8_t>(music.begin(), music.end())));
    EXPECT_FALSE(game_over());

    ranking_scene_t scene(&table);
    ASSERT_TRUE(scene.startup());
    scene.frame();
    EXPECT_EQ(scene.timer, 1);
    scene.timer = 65535; // kept to 16 bits: the rows fade in again
    scene.frame();
    EXPECT_EQ(scene.timer, 0);
    scene.on_key('Q');
    EXPECT_TRUE(changing_to(scene_title));
}
