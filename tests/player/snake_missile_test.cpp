#include "player/missile_flight.h"
#include "player/snake_missile.h"
#include "tests/objects/records.h"
#include "tests/player/crawl_fixture.h"

#include <vector>

namespace {

const objectinfo_t lower_info = test_record(5, 8, 8, 100);

class snake : public crawl_fixture_t {
  protected:
    // The heading the floor crawler chooses at (x, y) when it was following the floor.
    int32_t along_floor_at(float x, float y) {
        lower.heading = 0;
        lower.set_position(x, y);
        return lower.crawl();
    }

    lower_snake_missile_t lower{&lower_info};
};

} // namespace

TEST_F(snake, the_floor_crawler_keeps_to_the_floor_climbs_walls_and_falls_off_edges) {
    block(*slot0, 0, 106, 120, 120); // floor 6 below y = 100, ending at x = 120
    block(*slot1, 40, 70, 80, 106);  // a block from x = 40 to 80, its top 36 pixels higher
    lower.set_position(20, 100);
    lower.start();
    lower.direction = 0;
    lower.heading = 0;
    for (int i = 0; i < 5; ++i) {
        lower.update();
    }
    EXPECT_EQ(lower.heading, 0);
    EXPECT_EQ(lower.x, 35.0f) << "3 pixels a frame";
    EXPECT_EQ(lower.y, 100.0f);
    EXPECT_EQ(lower.hp, 100) << "the floor never touches its centre";

    EXPECT_EQ(along_floor_at(35, 100), 16) << "solid ahead and ahead-above: up the wall";
    lower.set_position(35, 72);
    EXPECT_EQ(lower.crawl(), 8) << "the top is near";
    lower.set_position(35, 68);
    EXPECT_EQ(lower.crawl(), 0) << "nothing ahead";

    EXPECT_EQ(along_floor_at(77, 64), 56) << "nothing ahead-below: down the step";
    lower.set_position(81.5f, 64);
    EXPECT_EQ(lower.crawl(), 56) << "still ground below";
    lower.set_position(83, 64);
    EXPECT_EQ(lower.crawl(), 48) << "nothing below at all";
    lower.set_position(130, 100);
    EXPECT_EQ(lower.crawl(), 48) << "falling until ground lies 6 below";
    block(*slot0, 120, 106, 256, 120);
    EXPECT_EQ(lower.crawl(), 0) << "landed";
}

TEST_F(snake, a_heading_12_steps_away_is_reached_in_steps_of_5_5_and_2) {
    block(*cg, 0, 106, 256, 120);
    lower.set_position(100, 100);
    lower.start();
    lower.direction = 52;
    std::vector<int32_t> directions;
    for (int i = 0; i < 3; ++i) {
        lower.update();
        directions.push_back(lower.direction);
    }
    EXPECT_EQ(directions, (std::vector<int32_t>{57, 62, 0}));
    EXPECT_EQ(lower.pattern, 0);
}

TEST_F(snake, touching_terrain_costs_one_hit_point_a_frame) {
    block(*cg, 60, 60, 160, 160);
    const objectinfo_t frail_info = test_record(5, 8, 8, 3);
    lower_snake_missile_t frail(&frail_info);
    frail.set_position(100, 100);
    frail.start();
    frail.update();
    frail.update();
    EXPECT_EQ(frail.hp, 1);
    frail.update();
    EXPECT_FALSE(frail.alive);
}

TEST_F(snake, probes_subtract_before_truncating) {
    solid(*cg, 255, 50); // left of x = 0 once wrapped
    lower.set_position(0.5f, 50.5f);
    lower.start();
    EXPECT_TRUE(crawl_contact(lower));
    EXPECT_EQ(lower.hp, 100) << "trunc(0.5 - 1) is 0, not -1";
    const float at[2] = {1.5f, 50};
    EXPECT_FALSE(solid_near(at, 0, 0)) << "trunc(1.5 - 2) is 0";
    solid(*cg, 1, 50);
    EXPECT_TRUE(crawl_contact(lower));
    EXPECT_EQ(lower.hp, 99);
    EXPECT_TRUE(solid_near(at, 0, 0));
}

// Every branch of both state machines, from the heading it had and which of its five probes (below,
// ahead-below, ahead, ahead-above, above; 6 pixels out) find terrain. The ceiling crawler mirrors the
// floor crawler.
TEST_F(snake, each_heading_and_probe_set_chooses_the_next_heading) {
    enum : uint8_t { below = 1, ahead_below = 2, ahead = 4, ahead_above = 8, above = 16 };
    struct case_t {
        bool upper;
        int32_t heading;
        uint8_t solid;
        int32_t next;
    };
    const case_t cases[] = {
        // Floor crawler: along the floor, then up a slope or wall, down a step, falling.
        {false, 0, 0, 48},
        {false, 0, below, 56},
        {false, 0, below | ahead_below, 0},
        {false, 0, below | ahead_below | ahead, 8},
        {false, 0, below | ahead_below | ahead | ahead_above, 16},
        {false, 8, 0, 0},
        {false, 8, ahead, 8},
        {false, 8, ahead | ahead_above, 16},
        {false, 16, 0, 0},
        {false, 16, ahead, 8},
        {false, 16, ahead | ahead_above, 16},
        {false, 56, 0, 48},
        {false, 56, below, 56},
        {false, 56, below | ahead_below, 0},
        {false, 48, 0, 48},
        {false, 48, below, 0},
        {false, 54, below, 0}, // the launch heading falls too
        {false, 63, below, 0},
        {false, 47, below, 47}, // a heading no state covers stays
        // Ceiling crawler.
        {true, 0, 0, 16},
        {true, 0, above, 8},
        {true, 0, above | ahead_above, 0},
        {true, 0, above | ahead_above | ahead, 56},
        {true, 0, above | ahead_above | ahead | ahead_below, 48},
        {true, 56, 0, 0},
        {true, 56, ahead, 56},
        {true, 56, ahead | ahead_below, 48},
        {true, 48, 0, 0},
        {true, 48, ahead, 56},
        {true, 48, ahead | ahead_below, 48},
        {true, 8, 0, 16},
        {true, 8, above, 8},
        {true, 8, above | ahead_above, 0},
        {true, 16, 0, 16},
        {true, 16, above, 0},
        {true, 10, above, 0}, // the launch heading rises too
        {true, 1, above, 0},
        {true, 17, above, 17},
    };
    const objectinfo_t upper_info = test_record(4, 8, 8, 100);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const case_t& c = cases[i];
        SCOPED_TRACE(testing::Message() << (c.upper ? "ceiling" : "floor") << " crawler, case " << i);
        // Each case on its own patch of the layer, whole pixels so each probe sees only its own pixel.
        const int32_t x = 16 + int32_t(i % 16) * 14, y = 20 + int32_t(i / 16) * 20;
        const std::pair<uint8_t, std::pair<int32_t, int32_t>> probes[] = {{below, {0, 6}},
                                                                          {ahead_below, {6, 6}},
                                                                          {ahead, {6, 0}},
                                                                          {ahead_above, {6, -6}},
                                                                          {above, {0, -6}}};
        for (const auto& [bit, at] : probes) {
            if (c.solid & bit) {
                solid(*cg, x + at.first, y + at.second);
            }
        }
        upper_snake_missile_t upper{&upper_info};
        snake_missile_t& crawler = c.upper ? static_cast<snake_missile_t&>(upper) : lower;
        crawler.heading = c.heading;
        crawler.set_position(float(x), float(y));
        EXPECT_EQ(crawler.crawl(), c.next);
        EXPECT_EQ(crawler.heading, c.next);
    }
}
