// The blend kinds' documented values, drawn across a row that the blitters split into an odd first
// column, vector blocks and single pairs or pixels.
#include "tests/render/blend_surfaces.h"

#include <gtest/gtest.h>

using namespace blend_test;

namespace {

struct worked_t {
    int32_t code;
    kind_t kind;
    uint32_t parameter;
    uint32_t s, d, expected;
};

const format_t& format_of(int32_t code) {
    for (const format_t& f : formats) {
        if (f.code == code) {
            return f;
        }
    }
    throw std::invalid_argument("no such format");
}

// Every pixel of a 19 x 2 row pair becomes expected, with a key that is none of the pixels.
void expect_worked(const worked_t& w) {
    surfaces_t surfaces;
    const format_t& format = format_of(w.code);
    auto source = surfaces.make(format, 19, 2);
    auto destination = surfaces.make(format, 19, 2);
    const uint32_t size_mask = format.bits == 32 ? 0xFFFFFFFFu : (1u << format.bits) - 1;
    set_key(*source, ~w.s & size_mask);
    for (int32_t y = 0; y < 2; ++y) {
        for (int32_t x = 0; x < 19; ++x) {
            put_pixel(*source, x, y, w.s);
            put_pixel(*destination, x, y, w.d);
        }
    }
    const plat::rect_t all{0, 0, 19, 2};
    ASSERT_EQ(draw(w.code, w.kind, w.parameter, *destination, all, 0, 0, *source, all), plat::dd_ok);
    for (uint32_t p : pixels(*destination)) {
        ASSERT_EQ(p, w.expected) << std::hex << "format " << w.code << " s " << w.s << " d " << w.d;
    }
    EXPECT_EQ(reference_pixel(w.code, w.kind, w.parameter, w.s, w.d), w.expected) << "reference model";
}

void expect_all(std::initializer_list<worked_t> values) {
    for (const worked_t& w : values) {
        expect_worked(w);
    }
}

} // namespace

TEST(blend_worked, quarter_half_and_alpha) {
    expect_all({
        {0x565, kind_t::quarter, 0, 0xFFFF, 0x0000, 0xBDF7},
        {0x565, kind_t::half, 0, 0xFFFF, 0x0000, 0x7BEF},
        {0x565, kind_t::alpha, 192, 0xFFFF, 0x0000, 0x39E7},
        {0x565, kind_t::alpha, 0, 0xFFFF, 0x0000, 0xFFFF},
        {0xA888, kind_t::quarter, 0, 0x00FF0000, 0x000000FF, 0x00BF003F},
        {0xA888, kind_t::quarter, 0, 0xFFFFFFFF, 0xFF000000, 0x00BFBFBF},
        {0xA888, kind_t::half, 0, 0xFF808080, 0x7F404040, 0x7F606060},
        {0xA888, kind_t::alpha, 256, 0x00123456, 0xFFABCDEF, 0x00ABCDEF},
        {0x888A, kind_t::half, 0, 0x808080FF, 0x404040FF, 0x60606000},
        {0xA555, kind_t::half, 0, 0xFFFF, 0x8000, 0xBDEF},
        {0x444A, kind_t::quarter, 0, 0xFFF0, 0x0000, 0xBBB0},
        {0x444A, kind_t::half, 0, 0xFFFF, 0x000F, 0x777F},
        {8, kind_t::quarter, 0, 0x5A, 0x3C, 0x00},
        {8, kind_t::half, 0, 0x5A, 0x3C, 0x18},
        {8, kind_t::alpha, 0, 0x5A, 0x3C, 0x00},
        {8, kind_t::alpha, 100, 0x5A, 0x3C, 0x00},
        {8, kind_t::alpha, 256, 0x5A, 0x3C, 0x00},
    });
}

TEST(blend_worked, tint) {
    expect_all({
        {0x565, kind_t::tint, 0xFFFFFFFF, 0x0000, 0x1234, 0x7BEF},
        {0x565, kind_t::tint, 0xFFFFFFFF, 0x1234, 0xFFFF, 0x8519},
        {0xA888, kind_t::tint, 0xFFFFFFFF, 0x12345678, 0, 0x1299AABB},
        {0x888A, kind_t::tint, 0xFFFFFFFF, 0x123456FF, 0, 0x8899AA00},
        {0xA555, kind_t::tint, 0x8000, 0x0000, 0, 0x0000},             // bit 15: c AND s
        {0x888A, kind_t::tint, 0x12345678, 0x12345678, 0, 0x12345600}, // c = s, spare byte cleared
        {0x444A, kind_t::tint, 0x1234, 0x1234, 0xFFFF, 0x1234},
        {8, kind_t::tint, 0xFFFFFFFF, 0x5A, 0x3C, 0x5A},
        {8, kind_t::tint, 0, 0x5A, 0x3C, 0x00},
    });
}

TEST(blend_worked, add) {
    expect_all({
        {0x565, kind_t::add, 0, 0x8410, 0x8410, 0xFFFF},
        {0x565, kind_t::add, 0, 0x0841, 0x0841, 0x1082},
        {0x565, kind_t::add, 0, 0x0800, 0xF800, 0xF800},
        {0x565, kind_t::add, 0, 0x0800, 0x7800, 0x8000},
        {0xA888, kind_t::add, 0, 0x00808080, 0x00808080, 0x00FFFFFF},
        {0xA888, kind_t::add, 0, 0x00010203, 0x00102030, 0x00112233},
        {0x888A, kind_t::add, 0, 0x80808000, 0x80808000, 0xFFFFFF00},
        {0x444A, kind_t::add, 0, 0x2179, 0xD08C, 0xF205},
        {0xA555, kind_t::add, 0, 0x8000, 0x8000, 0x0000}, // spare bits sum modulo their width
        {8, kind_t::add, 0, 0x5A, 0x3C, 0x00},
    });
}
