#include "base/binio.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

TEST(binio, fields_round_trip_little_endian_and_short_input_is_reported) {
    byte_writer_t w;
    w.i32(-2);
    w.u16(0xBEEF);
    w.fixed_string("image\\ship.bmp", 8);
    w.f32(1.5f);
    ASSERT_EQ(w.size(), 4u + 2 + 8 + 4);
    EXPECT_EQ(w.data()[0], 0xFE);
    EXPECT_EQ(w.data()[4], 0xEF);
    EXPECT_EQ(w.data()[13], 0); // the cut string stays terminated

    byte_reader_t r(w.data());
    EXPECT_EQ(r.i32(), -2);
    EXPECT_EQ(r.u16(), 0xBEEF);
    EXPECT_EQ(r.fixed_string(8), "image\\s");
    EXPECT_EQ(r.f32(), 1.5f);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.u32(), 0u);
    EXPECT_FALSE(r.ok());
}

TEST(binio, an_empty_buffer_makes_an_empty_file) {
    temp_folder_t dir;
    ASSERT_TRUE(write_file_bytes("empty.dat", {}));
    std::vector<uint8_t> back{1, 2, 3};
    ASSERT_TRUE(read_file_bytes("empty.dat", back));
    EXPECT_TRUE(back.empty());
}
