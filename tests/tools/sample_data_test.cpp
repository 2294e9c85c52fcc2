// The sample data hold together: every picture an object record names is in the sprite table, no two
// families write one record, and the six stages place every type the dispatcher knows, none of them
// crowded with families.
#include "base/binio.h"
#include "objects/objectinfo.h"
#include "play/placement_dispatch.h"
#include "play/stage_file.h"
#include "screen/sprite_record.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/objectinfo_file.h"
#include "tools/sample/sample.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(sample_data, every_object_picture_is_in_the_sprite_table) {
    temp_folder_t dir;
    std::string error;
    ASSERT_TRUE(make_sample(".", error)) << error;
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(read_file_bytes("bin/sptbl.dat", bytes));
    std::vector<sprite_record_t> sprites(sprite_table_size);
    ASSERT_TRUE(read_sprite_table(bytes.data(), bytes.size(), sprites.data()));
    ASSERT_TRUE(objectinfo_load(".\\bin\\objectinfo.dat", 1));

    int drawn = 0;
    for (int32_t id = 0; id < 1024; ++id) {
        const objectinfo_t* info = objectinfo_find(id);
        if (info == nullptr || info->image_id < 0) {
            continue;
        }
        ASSERT_LT(info->image_id, int32_t(sprite_table_size)) << "object " << id;
        const sprite_record_t& sprite = sprites[size_t(info->image_id)];
        EXPECT_FALSE(sprite.path.empty()) << "object " << id << " names empty sprite " << info->image_id;
        EXPECT_GT(sprite.cell_width, 0) << "object " << id;
        ++drawn;
    }
    EXPECT_GT(drawn, 20);
}

TEST(sample_data, each_record_id_is_written_once) {
    std::set<int32_t> seen;
    for (const objectinfo_t& r : sample_objectinfo_records()) {
        EXPECT_TRUE(seen.insert(r.id).second) << "record " << r.id;
    }
}

namespace {

// A family is a spawn function; plain enemies are one family, and so is each turret kind.
const void* family_of(int32_t type) {
    const dispatch_entry_t& e = dispatch_entry(type);
    if (e.kind == handler_kind_t::turret) {
        return &e;
    }
    for (const void* spawn :
         {reinterpret_cast<const void*>(e.plain), reinterpret_cast<const void*>(e.with_int),
          reinterpret_cast<const void*>(e.enemy_with_int), reinterpret_cast<const void*>(e.with_speed),
          reinterpret_cast<const void*>(e.with_flag)}) {
        if (spawn != nullptr) {
            return spawn;
        }
    }
    return nullptr;
}

} // namespace

TEST(sample_data, the_stages_place_every_dispatcher_type_and_few_families_each) {
    constexpr size_t most_families = 20;
    temp_folder_t dir;
    std::string error;
    ASSERT_TRUE(make_sample(".", error)) << error;
    std::set<int32_t> placed;
    // The ending's own stage places the ending objects.
    for (int32_t stage : {1, 2, 3, 4, 5, 6, 100}) {
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(read_file_bytes(
            "bin/st" + std::string(stage < 10 ? "00" : "") + std::to_string(stage) + ".dat", bytes));
        ASSERT_EQ(bytes.size(), stage_file_size);
        std::set<const void*> families;
        for (size_t i = 0; i < stage_record_count; ++i) {
            const placement_t p = read_placement(bytes.data(), i);
            if (p.type == -1) {
                break;
            }
            placed.insert(p.type);
            families.insert(family_of(p.type));
        }
        EXPECT_LE(families.size(), most_families) << "stage " << stage;
        EXPECT_GT(families.size(), 1u) << "stage " << stage;
    }
    for (int32_t type = first_dispatch_type; type <= last_dispatch_type; ++type) {
        if (dispatch_entry(type).kind != handler_kind_t::plain_enemy) {
            EXPECT_TRUE(placed.count(type)) << "type " << type << " is placed in no stage";
        }
    }
}
