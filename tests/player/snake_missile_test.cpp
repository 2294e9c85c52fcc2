#include "player/missile_flight.h"
#include "player/snake_missile.h"
#include "tests/objects/records.h"
#include "tests/player/crawl_fixture.h"

#include <vector>

namespace {

const objectinfo_t upper_info = test_record(4, 8, 8, 100);
const objectinfo_t lower_info = test_record(5, 8, 8, 100);
const objectinfo_t frail_info = test_record(5, 8, 8, 3);

class snake : public crawl_fixture_t {
  protected:
    // A lower missile at (x, y) already following the floor.
    lower_snake_missile_t& crawler(float x, float y) {
        lower.set_position(x, y);
        lower.start();
        lower.heading = 0;
        lower.direction = 0;
        return lower;
    }

    lower_snake_missile_t lower{&lower_info};
};

} // namespace

TEST_F(snake, on_a_flat_floor_6_pixels_below_it_keeps_heading_0_at_3_pixels_a_frame) {
    block(*cg, 0, 106, 256, 120);
    crawler(100, 100);
    for (int i = 0; i < 5; ++i) {
        lower.update();
    }
    EXPECT_EQ(lower.heading, 0);
    EXPECT_EQ(lower.x, 115.0f);
    EXPECT_EQ(lower.y, 100.0f);
    EXPECT_EQ(lower.hp, 100) << "the floor never touches its centre";
}

TEST_F(snake, where_the_floor_ends_it_heads_down_the_step_and_then_falls) {
    block(*slot0, 0, 106, 120, 120);
    EXPECT_EQ(crawler(100, 100).crawl(), 0);
    EXPECT_EQ(crawler(117, 100).crawl(), 56) << "nothing ahead-below";
    lower.set_position(121.5f, 100);
    EXPECT_EQ(lower.crawl(), 56) << "still ground below";
    lower.set_position(123, 100);
    EXPECT_EQ(lower.crawl(), 48) << "nothing below at all";
}

TEST_F(snake, at_a_wall_it_climbs_and_at_the_top_it_goes_on_along_the_floor) {
    block(*slot1, 0, 106, 256, 120);  // floor
    block(*slot1, 110, 70, 256, 106); // wall, its top 36 pixels above the floor
    EXPECT_EQ(crawler(105, 100).crawl(), 16) << "solid ahead and ahead-above";
    lower.set_position(105, 80);
    EXPECT_EQ(lower.crawl(), 16);
    lower.set_position(105, 72);
    EXPECT_EQ(lower.crawl(), 8) << "the top is near";
    lower.set_position(105, 68);
    EXPECT_EQ(lower.crawl(), 0) << "nothing ahead";

    crawler(90, 100);
    for (int i = 0; i < 40; ++i) {
        lower.update();
    }
    EXPECT_EQ(lower.heading, 0);
    EXPECT_GT(lower.x, 115.0f) << "on top of the wall";
    EXPECT_LT(lower.y, 70.0f);
    EXPECT_TRUE(lower.alive);
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
    lower_snake_missile_t frail(&frail_info);
    frail.set_position(100, 100);
    frail.start();
    frail.update();
    frail.update();
    EXPECT_TRUE(frail.alive);
    EXPECT_EQ(frail.hp, 1);
    frail.update();
    EXPECT_FALSE(frail.alive);
}

TEST_F(snake, without_terrain_the_pair_keeps_its_launch_heading_until_it_leaves_the_bounds) {
    cg->holds_picture = false;
    slot0->holds_picture = false;
    slot1->holds_picture = false;
    block(*cg, 0, 0, 256, 256); // not probed: the layer says it holds no picture
    upper_snake_missile_t upper(&upper_info);
    upper.set_position(100, 100);
    upper.start();
    lower.set_position(100, 100);
    lower.start();
    int frames = 0;
    while ((upper.alive || lower.alive) && frames < 200) {
        upper.update();
        lower.update();
        ++frames;
        if (upper.alive) {
            EXPECT_EQ(upper.heading, 10);
        }
        if (lower.alive) {
            EXPECT_EQ(lower.heading, 54);
            EXPECT_EQ(lower.pattern, 27);
        }
    }
    EXPECT_FALSE(upper.alive);
    EXPECT_FALSE(lower.alive);
    EXPECT_EQ(lower.hp, 0);
    EXPECT_LT(upper.y, -4.0f);
    EXPECT_GE(lower.y, 260.0f);
}

TEST_F(snake, the_upper_missile_rises_to_the_ceiling_and_follows_it) {
    block(*cg, 0, 80, 256, 91); // ceiling, its underside at 90
    upper_snake_missile_t upper(&upper_info);
    upper.set_position(100, 100);
    upper.start();
    EXPECT_EQ(upper.crawl(), 10) << "nothing above yet";
    upper.set_position(100, 97);
    EXPECT_EQ(upper.crawl(), 0) << "the ceiling 6 above";
    EXPECT_EQ(upper.crawl(), 0);
    upper.set_position(100, 110);
    EXPECT_EQ(upper.crawl(), 16) << "the ceiling left it: it rises";
    block(*cg, 106, 91, 256, 120); // a wall down from the ceiling
    upper.heading = 0;
    upper.set_position(103, 96);
    EXPECT_EQ(upper.crawl(), 48) << "solid ahead and ahead-below: down the wall";
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
