// The sample data hold together: every picture an object record names is in the sprite table, and no
// two families write one record.
#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "base/binio.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/objectinfo_file.h"
#include "tools/sample/sample.h"

#include <gtest/gtest.h>

#include <set>

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
