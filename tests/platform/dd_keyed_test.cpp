#include "platform/dd_keyed.h"
#include "platform/ddraw.h"
#include "platform/processor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <tuple>
#include <vector>

namespace {

struct key_case_t {
    uint32_t low, high;
};

// Per pixel size: a single key, a range, ranges with junk above the pixel's bits at either end, a reversed
// range.
std::vector<key_case_t> keys_for(uint32_t bits) {
    const uint32_t junk = bits >= 32 ? 0 : 0xA5u << bits;
    return {{0x21, 0x21}, {0x10, 0x30}, {0x21, 0x21 | junk}, {0x21 | junk, 0x21 | junk},
            {0x30, 0x10}, {0, ~0u}};
}

// Pixel size, the 32-byte rows or not, stores under a mask or whole registers.
class keyed_copy : public ::testing::TestWithParam<std::tuple<int, bool, bool>> {
  protected:
    void TearDown() override {
        plat::keyed_wide_rows = wide;
        plat::masked_stores = masked;
    }
    bool wide = plat::keyed_wide_rows;
    bool masked = plat::masked_stores;
};

// Every width and alignment, whole and with the source cut by a rectangle, against the scalar rule:
// a pixel p (zero-extended) is left out when low <= p <= high.
TEST_P(keyed_copy, equals_the_scalar_rule) {
    const auto [bits, wide_rows, masked_stores] = GetParam();
    plat::keyed_wide_rows = wide_rows;
    plat::masked_stores = masked_stores;
    const uint32_t bytes = uint32_t(bits) / 8;
    constexpr uint32_t sw = 80, sh = 3, dw = 96, dh = 4;
    plat::ddraw_t device;
    auto make = [&](uint32_t w, uint32_t h) {
        plat::surface_desc_t desc;
        desc.flags = plat::ddsd_caps | plat::ddsd_width | plat::ddsd_height | plat::ddsd_pixelformat;
        desc.width = w;
        desc.height = h;
        desc.pixel_format = plat::pixel_format_of_depth(bits);
        plat::dd_surface_t* s = nullptr;
        EXPECT_EQ(device.create_surface(&desc, &s, nullptr), plat::dd_ok);
        return s;
    };
    plat::dd_surface_t* src = make(sw, sh);
    plat::dd_surface_t* dst = make(dw, dh);
    std::mt19937 random{uint32_t(bits)};
    // Pixel values from a small set, so the keys hit often.
    for (uint32_t i = 0; i < sh * uint32_t(src->pitch()); ++i) {
        src->pixels()[i] = uint8_t(random() % 3 == 0 ? 0x21 : random() % 0x40);
    }
    std::vector<uint8_t> before(size_t(dst->pitch()) * dh);
    for (uint8_t& b : before) {
        b = uint8_t(random());
    }
    auto pixel = [bytes](const uint8_t* p) {
        uint32_t v = 0;
        std::memcpy(&v, p, bytes);
        return v;
    };
    for (const key_case_t& key : keys_for(uint32_t(bits))) {
        const plat::color_key_t ck{key.low, key.high};
        ASSERT_EQ(src->set_color_key(plat::ddckey_srcblt, &ck), plat::dd_ok);
        for (int32_t left = 0; left < 8; ++left) {
            for (int32_t width = 1; left + width <= int32_t(sw); ++width) {
                const int32_t x = (width * 7 + left) % (int32_t(dw) - width + 1);
                const int32_t top = width % 2;
                const plat::rect_t from{left, top, left + width, int32_t(sh)};
                std::memcpy(dst->pixels(), before.data(), before.size());
                ASSERT_EQ(dst->blt_fast(uint32_t(x), 1, src, &from, plat::ddbltfast_srccolorkey),
                          plat::dd_ok);
                for (int32_t y = 0; y < int32_t(dh); ++y) {
                    for (int32_t i = 0; i < int32_t(dw); ++i) {
                        const size_t at = size_t(y) * size_t(dst->pitch()) + size_t(i) * bytes;
                        uint32_t expected = pixel(before.data() + at);
                        const int32_t row = y - 1 + top, column = i - x + left;
                        if (y >= 1 && row < int32_t(sh) && i >= x && i < x + width) {
                            const uint32_t p =
                                pixel(src->pixels() + row * src->pitch() + column * int32_t(bytes));
                            if (!(key.low <= key.high && p >= key.low && p <= key.high)) {
                                expected = p;
                            }
                        }
                        ASSERT_EQ(pixel(dst->pixels() + at), expected)
                            << "key " << key.low << ".." << key.high << " left " << left << " width " << width
                            << " at " << i << "," << y;
                    }
                }
            }
        }
    }
    src->release();
    dst->release();
}

INSTANTIATE_TEST_SUITE_P(sizes_and_widths, keyed_copy,
                         ::testing::Combine(::testing::Values(16, 24, 32), ::testing::Bool(),
                                            ::testing::Bool()));

} // namespace
