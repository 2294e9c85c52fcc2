#include "base/binio.h"
#include "platform/file.h"
#include "scenes/config.h"
#include "tests/shell/support.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace {

std::vector<int32_t> stored_fields() {
    const std::vector<uint8_t> bytes = file_bytes("bin/config.dat");
    byte_reader_t in(bytes);
    std::vector<int32_t> fields;
    while (in.remaining() >= 4) {
        fields.push_back(in.i32());
    }
    return fields;
}

void write_bytes(size_t n) {
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i) {
        bytes[i] = uint8_t(i);
    }
    ASSERT_TRUE(write_file_bytes(config_path, bytes));
}

} // namespace

TEST(config, defaults_are_written_as_84_bytes_in_settings_line_order) {
    temp_folder_t dir;
    ASSERT_TRUE(plat::make_directory("bin"));
    config_t c;
    config_default(&c);
    ASSERT_TRUE(config_save(&c));
    const std::vector<int32_t> expected = {0x102801E0, 2,     1,     1, 0, 2,  1,  3,  1,  0, 1,
                                           0,          -1200, -1600, 1, 0, 90, 90, 88, 16, 32};
    EXPECT_EQ(file_bytes("bin/config.dat").size(), 84u);
    EXPECT_EQ(stored_fields(), expected);
}

TEST(config, a_record_reads_back_field_for_field_and_a_short_file_is_refused) {
    temp_folder_t dir;
    ASSERT_TRUE(plat::make_directory("bin"));
    config_t c;
    EXPECT_EQ(config_load(&c), load_status_t::missing);

    write_bytes(83);
    EXPECT_EQ(config_load(&c), load_status_t::malformed);

    write_bytes(90); // anything after the record is not looked at
    ASSERT_EQ(config_load(&c), load_status_t::loaded);
    EXPECT_EQ(c.screen_mode, 0x03020100);
    EXPECT_EQ(c.refresh_mode, 0x0B0A0908);
    EXPECT_EQ(c.pause_key, 0x53525150);

    c.multiple_key = 1000;
    config_t back;
    // The blit scale is bounded to the window's range as it is read; the other fields stand as stored.
    for (const auto& [stored, read] : {std::pair{-7, 1}, {INT32_MIN, 1}, {INT32_MAX, 16}, {3, 3}}) {
        c.blt_scale = stored;
        ASSERT_TRUE(config_save(&c));
        ASSERT_EQ(config_load(&back), load_status_t::loaded);
        EXPECT_EQ(back.blt_scale, read);
    }
    EXPECT_EQ(back.multiple_key, 1000);
    EXPECT_EQ(back.screen_mode, 0x03020100);
}
