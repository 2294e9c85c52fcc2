// Every kind in every format against the channel-by-channel reference: random pictures with key pixels and
// keys differing only in spare bits, odd and even widths and offsets, rectangles hanging over the clip; with
// the 16-byte row loops alone, and with the 32-byte ones where the processor has them.
#include "render/blend_wide.h"
#include "tests/render/blend_surfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace blend_test;

namespace {

constexpr int32_t source_width = 77, source_height = 9;
constexpr int32_t destination_width = 81, destination_height = 13;

struct case_t {
    kind_t kind;
    uint32_t parameter;
};

void check_format(const format_t& format, const case_t& c, std::mt19937& random) {
    surfaces_t surfaces;
    auto source = surfaces.make(format, source_width, source_height);
    auto destination = surfaces.make(format, destination_width, destination_height);
    const uint32_t size_mask = format.bits == 32 ? 0xFFFFFFFFu : (1u << format.bits) - 1;
    const uint32_t key = random() & size_mask;
    const uint32_t spare = spare_bits(format.code) & size_mask;
    set_key(*source, key);
    for (int32_t y = 0; y < source_height; ++y) {
        for (int32_t x = 0; x < source_width; ++x) {
            uint32_t p = random() & size_mask;
            const uint32_t pick = random() % 8;
            if (pick < 2) {
                p = key;
            } else if (pick == 2 && spare != 0) {
                p = key ^ (spare & (0u - spare)); // differs from the key in one spare bit only
            }
            put_pixel(*source, x, y, p);
        }
    }
    for (int32_t y = 0; y < destination_height; ++y) {
        for (int32_t x = 0; x < destination_width; ++x) {
            put_pixel(*destination, x, y, random() & size_mask);
        }
    }
    const std::vector<uint32_t> before = pixels(*destination);

    auto between = [&](int32_t low, int32_t high) {
        return low + int32_t(random() % uint32_t(high - low + 1));
    };
    // Widths from 0 up, so that single columns, odd widths and vector blocks of both sizes all occur.
    const int32_t left = between(0, 6);
    const int32_t top = between(0, 3);
    const plat::rect_t source_rect{left, top, std::min(source_width, left + between(0, 71)),
                                   std::min(source_height, top + between(1, 6))};
    const plat::rect_t clip{between(0, 5), between(0, 3), between(70, destination_width),
                            between(8, destination_height)};
    const int32_t x = between(-8, 20);
    const int32_t y = between(-4, 8);

    ASSERT_EQ(draw(format.code, c.kind, c.parameter, *destination, clip, x, y, *source, source_rect),
              plat::dd_ok);

    for (int32_t dy = 0; dy < destination_height; ++dy) {
        for (int32_t dx = 0; dx < destination_width; ++dx) {
            const int32_t sx = source_rect.left + dx - x;
            const int32_t sy = source_rect.top + dy - y;
            uint32_t expected = before[size_t(dy * destination_width + dx)];
            const bool inside = dx >= clip.left && dx < clip.right && dy >= clip.top && dy < clip.bottom &&
                                sx >= source_rect.left && sx < source_rect.right && sy >= source_rect.top &&
                                sy < source_rect.bottom;
            if (inside && get_pixel(*source, sx, sy) != key) {
                expected =
                    reference_pixel(format.code, c.kind, c.parameter, get_pixel(*source, sx, sy), expected);
            }
            ASSERT_EQ(get_pixel(*destination, dx, dy), expected)
                << std::hex << "format " << format.name << " at " << std::dec << dx << "," << dy
                << " drawing " << source_rect.left << "," << source_rect.top << "-" << source_rect.right
                << "," << source_rect.bottom << " at " << x << "," << y;
        }
    }
}

// Sets which row loops the blitters use while it lives.
class row_loops_t {
  public:
    explicit row_loops_t(int32_t bytes) : saved_(blend::row_bytes), halved_(blend::halved_registers) {
        blend::row_bytes = bytes;
        blend::halved_registers = false;
    }
    ~row_loops_t() {
        blend::row_bytes = saved_;
        blend::halved_registers = halved_;
    }

  private:
    int32_t saved_;
    bool halved_;
};

void check_kind(kind_t kind, bool weighted) {
    for (int32_t bytes = 16; bytes <= blend::processor_row_bytes(); bytes *= 2) {
        SCOPED_TRACE(testing::Message() << bytes << "-byte rows");
        const row_loops_t loops(bytes);
        std::mt19937 random(0x5EED + int(kind));
        for (int round = 0; round < 40; ++round) {
            for (const format_t& format : formats) {
                const uint32_t parameter = weighted ? random() % 257 : random();
                check_format(format, {kind, parameter}, random);
                if (::testing::Test::HasFatalFailure()) {
                    return;
                }
            }
        }
    }
}

} // namespace

TEST(blend_property, quarter_matches_reference) {
    check_kind(kind_t::quarter, false);
}
TEST(blend_property, half_matches_reference) {
    check_kind(kind_t::half, false);
}
TEST(blend_property, alpha_matches_reference) {
    check_kind(kind_t::alpha, true);
}
TEST(blend_property, tint_matches_reference) {
    check_kind(kind_t::tint, false);
}
TEST(blend_property, add_matches_reference) {
    check_kind(kind_t::add, false);
}
