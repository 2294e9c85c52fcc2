// The ending's objects as placed: one object of the placement's own record, with its fade or counter at
// the start, never an item or an explosion, and nothing without the record.
#include "objects/ending_objects.h"
#include "tests/enemies/enemy_kit.h"

using ending_spawn = enemy_kit_t;

TEST_F(ending_spawn, each_type_makes_its_object_of_its_own_record_without_item_or_explosion) {
    const std::pair<int32_t, const char*> rows[] = {{350, "ending_object001_t"},
                                                    {360, "ending_object001_t"},
                                                    {361, "ending_object002_t"},
                                                    {362, "ending_object_shipeject_t"}};
    for (const auto& [type, kind] : rows) {
        records({}, {type});
        load({placed(type, 100, 200, 0, 37)});
        EXPECT_EQ(object_total(), 0u) << type;
        records({});
        load({placed(type, 100, 200, 0, 37)});
        EXPECT_EQ(manifest_of(scene->stage, list_enemies0), (std::vector<part_t>{{kind, type}})) << type;
        EXPECT_EQ(object_total(), 1u) << type;
        auto* object = only<enemy_t>();
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->explosion, nullptr);
        EXPECT_EQ(object->carried, nullptr);
        EXPECT_EQ(std::pair(object->x, object->y), std::pair(100.0f, 200.0f));
    }
    load({placed(361, 100, 200), placed(362, 100, 200)});
    EXPECT_EQ(only<ending_object002_t>()->fade, 256);
    EXPECT_EQ(only<ending_object_shipeject_t>()->counter, 0u);
}
