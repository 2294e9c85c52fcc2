// What the stage's scroll and the camera's shift do to the families that keep their screen place: each
// object, as it stands, against the same frame's scroll, with two that scroll as the measure.
#include "tests/enemies/enemy_kit.h"

#include <string>

namespace {

using scroll_immune = enemy_kit_t;

} // namespace

TEST_F(scroll_immune, the_families_that_keep_their_place_when_the_stage_scrolls) {
    struct row_t {
        int32_t type;
        int32_t param2;
        std::string kind;
        bool scrolls_x;
        bool follows_y; // the camera's vertical shift
    };
    const row_t rows[] = {
        {140, 0, "tracer001::Body", true, true},
        {114, 0, "twister002::leaderA_t", true, true},
        {141, 0, "tracer002::body_t", false, true},
        {142, 1, "fencer::body_t", false, true},
        {168, 0, "gather::member_t", false, true},
        {242, 0, "lightning_t", false, true},
        {95, 0, "star002_t", false, false},
        {43, 0, "arrow_ctr_t", false, false},
        {43, 1, "arrow_ctr_t", false, true},
        {43, 1, "arrow_t", false, false},
        {117, 0, "twister003::body_t", false, true},
        {128, 0, "twister006::body_t", false, true},
        {134, 0, "rotator003::ctr_t", false, false},
        {111, 0, "twister001::leaderA_t", false, true},
        {111, 0, "twister001::member_t", false, false},
        {103, 0, "zigzag::member_t", false, false},
        {114, 0, "twister002::member_t", false, false},
        {144, 0, "twinbarrel::body_t", false, true},
        {193, 0, "worm003::head_t", false, true},
        {193, 0, "worm003::body_t", false, true},
        {347, 0, "mothership_t", false, false},
        {202, 0, "worm006::body_t", false, true},
        {205, 0, "worm007::core_t", false, true},
    };
    for (const row_t& r : rows) {
        load({placed(r.type, 160, 100, r.param2)});
        scene->scroll_stop = 1;
        ship_at(60, 100);
        run(3);
        std::vector<object_t*> found;
        for (int32_t list : {list_enemies0, list_enemies1, list_enemies2, list_enemy_shots}) {
            const std::vector<object_t*> objects = objects_of(scene->stage, list);
            const std::vector<part_t> parts = manifest_of(scene->stage, list);
            for (size_t i = 0; i < objects.size(); ++i) {
                if (objects[i]->alive && parts[i].kind == r.kind) {
                    found.push_back(objects[i]);
                }
            }
        }
        ASSERT_FALSE(found.empty()) << r.kind;
        std::vector<std::pair<float, float>> before;
        for (object_t* o : found) {
            before.emplace_back(o->x, o->y);
        }
        scene->scroll_horizontal(-7);
        scene->shift_camera(5);
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_FLOAT_EQ(found[i]->x, before[i].first - (r.scrolls_x ? 7.0f : 0.0f)) << r.kind << " " << i;
            EXPECT_FLOAT_EQ(found[i]->y, before[i].second + (r.follows_y ? 5.0f : 0.0f))
                << r.kind << " " << r.param2 << " " << i;
        }
    }
}
