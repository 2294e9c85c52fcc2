// The weighted-add routines on surfaces: per pixel the channel rule, key pixels and everything outside the
// clipped area left alone, over widths that take the single-column, pair and vector paths.
#include "render/blend_weighted_add.h"
#include "tests/render/blend_surfaces.h"

#include <gtest/gtest.h>

#include <random>

using namespace blend_test;

namespace {

// The rule written out channel by channel from the format's masks.
uint32_t reference(const format_t& f, uint32_t s, uint32_t d, int32_t w) {
    uint32_t out = 0;
    for (const uint32_t mask : {f.red_mask, f.green_mask, f.blue_mask}) {
        if (mask == 0) {
            continue;
        }
        const int shift = __builtin_ctz(mask);
        const uint32_t max = mask >> shift;
        const uint32_t v = ((s & mask) >> shift) + ((((d & mask) >> shift) * uint32_t(w)) >> 8);
        out |= std::min(v, max) << shift;
    }
    return out;
}

} // namespace

TEST(weighted_add, worked_examples) {
    EXPECT_EQ(blend::weighted_add_rule(128)(blend::format_565{}, 0x0841u, 0xFFFFu), 0x8430u);
    EXPECT_EQ(blend::weighted_add_rule(256)(blend::format_888a{}, 0xC8C8C800u, 0xC8C8C800u), 0xFFFFFF00u);
    EXPECT_EQ(blend::weighted_add_rule(200)(blend::format_8{}, 0x12u, 0x34u), 0u);
    // A tiny weight leaves the source's channels, without its spare bits.
    EXPECT_EQ(blend::weighted_add_rule(1)(blend::format_a555{}, 0xFFFFu, 0x7FFFu), 0x7FFFu);
}

TEST(weighted_add, routine_of_each_format_blends_only_unkeyed_pixels_inside_the_clip) {
    std::mt19937 random(99);
    constexpr int32_t width = 41, height = 5;
    for (const format_t& format : formats) {
        for (const int32_t weight : {1, 77, 128, 224, 256}) {
            SCOPED_TRACE(format.name);
            surfaces_t surfaces;
            auto source = surfaces.make(format, width, height);
            auto destination = surfaces.make(format, width + 4, height + 2);
            const uint32_t size_mask = format.bits == 32 ? 0xFFFFFFFFu : (1u << format.bits) - 1;
            const uint32_t key = random() & size_mask;
            set_key(*source, key);
            for (int32_t y = 0; y < height; ++y) {
                for (int32_t x = 0; x < width; ++x) {
                    put_pixel(*source, x, y, random() % 5 == 0 ? key : random() & size_mask);
                }
            }
            for (int32_t y = 0; y < height + 2; ++y) {
                for (int32_t x = 0; x < width + 4; ++x) {
                    put_pixel(*destination, x, y, random() & size_mask);
                }
            }
            const std::vector<uint32_t> before = pixels(*destination);
            pixel_format_code = format.code;
            const plat::rect_t clip{2, 1, width + 1, height + 1}; // cuts the first column and the last two
            const plat::rect_t source_rect{0, 0, width, height};
            ASSERT_EQ(
                blend_blit_weighted_add(destination.get(), &clip, 1, 1, source.get(), &source_rect, weight),
                plat::dd_ok);

            for (int32_t y = 0; y < height + 2; ++y) {
                for (int32_t x = 0; x < width + 4; ++x) {
                    const uint32_t old = before[size_t(y) * (width + 4) + x];
                    const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
                    const uint32_t s = inside ? get_pixel(*source, x - 1, y - 1) : key;
                    const uint32_t expected = s == key ? old : reference(format, s, old, weight);
                    ASSERT_EQ(get_pixel(*destination, x, y), expected)
                        << x << "," << y << " weight " << weight;
                }
            }
        }
    }
    pixel_format_code = 0;
}
