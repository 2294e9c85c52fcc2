// The row loops of every register width against the one-pixel rules: random rows with key pixels in every
// format and kind, and every pair of channel values at every weight for the forms made for 5-6-5 and for
// 8-bit channels. The 32- and 64-byte loops are checked where the processor has them.
#include "render/blend_frame.h"
#include "render/blend_wide.h"
#include "tests/render/blend_surfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#if defined(__SSE2__)

namespace {

// Draws pixels [from, from + n) of the row with the loops of one width: the whole row of the 16-byte loops,
// with its pairs or single pixels at the end, or the 32- or 64-byte rows.
template <class F, class Rule>
void draw_with(int bytes, const Rule& rule, const std::vector<typename F::pixel_t>& s,
               std::vector<typename F::pixel_t>& d, int32_t from, int32_t n, uint32_t key) {
    const auto* source = reinterpret_cast<const uint8_t*>(s.data() + from);
    auto* destination = reinterpret_cast<uint8_t*>(d.data() + from);
    if (bytes == 64) {
        blend::draw_wide_rows<64, F>(rule, source, 0, destination, 0, n, 1, key);
    } else if (bytes == 32) {
        blend::draw_wide_rows<32, F>(rule, source, 0, destination, 0, n, 1, key);
    } else {
        blend::draw_row<F>(rule, source, destination, n, key);
    }
}

// Pixels [from, from + n) get the rule or, under a key pixel, stay; the rest of the row stays.
template <class F, class Rule>
void expect_row(const std::vector<int>& widths, const Rule& rule, const std::vector<typename F::pixel_t>& s,
                const std::vector<typename F::pixel_t>& d, uint32_t key, int32_t from, int32_t n) {
    using pixel_t = typename F::pixel_t;
    std::vector<pixel_t> expected = d;
    for (int32_t i = from; i < from + n; ++i) {
        if (s[i] != key) {
            expected[i] = pixel_t(rule(F{}, uint32_t(s[i]), uint32_t(d[i])));
        }
    }
    for (int bytes : widths) {
        std::vector<pixel_t> out = d;
        draw_with<F>(bytes, rule, s, out, from, n, key);
        if (out != expected) {
            const auto wrong = std::mismatch(out.begin(), out.end(), expected.begin()).first - out.begin();
            FAIL() << std::hex << bytes << "-byte loops, pixels " << std::dec << from << " to " << from + n
                   << ", at " << wrong << std::hex << ": s " << uint32_t(s[wrong]) << " d "
                   << uint32_t(d[wrong]) << " gave " << uint32_t(out[wrong]) << ", not "
                   << uint32_t(expected[wrong]);
        }
    }
}

std::vector<int> widths_to_check() {
    std::vector<int> widths;
    for (int bytes = 16; bytes <= blend::processor_row_bytes(); bytes *= 2) {
        widths.push_back(bytes);
    }
    return widths;
}

// Values on the edges of the channels and of the spare bits, mixed into the random ones.
uint32_t some_value(std::mt19937& random) {
    static const uint32_t edges[] = {0,          0xFFFFFFFF, 0x80808080, 0x7F7F7F7F, 0x84108410, 0x08410841,
                                     0xF800F800, 0x7BEF7BEF, 0x01010101, 0xFEFEFEFE, 0x10001000};
    return random() % 4 == 0 ? edges[random() % std::size(edges)] : uint32_t(random());
}

// Rows from one register to several with any start, so that both ends and the blocks between meet every
// alignment; a quarter of the source pixels are the key. 2-byte pixels come in pairs, as the blitters give
// them.
template <class F, class Rule> void expect_random_rows(int bytes, const Rule& rule, std::mt19937& random) {
    using pixel_t = typename F::pixel_t;
    const auto step = int32_t(std::max(bytes, 32) / sizeof(pixel_t));
    constexpr int32_t pair = sizeof(pixel_t) == 2 ? 2 : 1;
    for (int round = 0; round < 60; ++round) {
        const uint32_t key = pixel_t(some_value(random));
        std::vector<pixel_t> s(5 * size_t(step));
        std::vector<pixel_t> d(s.size());
        for (size_t i = 0; i < s.size(); ++i) {
            s[i] = random() % 4 == 0 ? pixel_t(key) : pixel_t(some_value(random));
            d[i] = pixel_t(some_value(random));
        }
        const auto from = int32_t(random() % step);
        const int32_t n = (step + int32_t(random() % (3 * step))) / pair * pair;
        expect_row<F>({bytes}, rule, s, d, key, from, n);
    }
}

template <class F> void expect_format(int bytes, std::mt19937& random) {
    SCOPED_TRACE(testing::Message() << "pixel of " << sizeof(typename F::pixel_t) << " bytes");
    expect_random_rows<F>(bytes, blend::quarter_rule{}, random);
    expect_random_rows<F>(bytes, blend::half_rule{}, random);
    for (int32_t weight : {0, 1, 64, 127, 128, 129, 192, 255, 256, int32_t(random() % 257)}) {
        expect_random_rows<F>(bytes, blend::alpha_rule(weight), random);
    }
    for (uint32_t colour : {0u, 0xFFFFFFFFu, uint32_t(random())}) {
        expect_random_rows<F>(bytes, blend::tint_rule{colour}, random);
    }
    expect_random_rows<F>(bytes, blend::add_rule{}, random);
}

void expect_every_format(int bytes) {
    std::mt19937 random(0x16B + bytes);
    expect_format<blend::format_565>(bytes, random);
    expect_format<blend::format_a555>(bytes, random);
    expect_format<blend::format_555a>(bytes, random);
    expect_format<blend::format_a444>(bytes, random);
    expect_format<blend::format_444a>(bytes, random);
    expect_format<blend::format_a888>(bytes, random);
    expect_format<blend::format_888a>(bytes, random);
}

// Pixel pairs that meet every pair of values in every channel (channels of up to `values` values), each
// channel through a different permutation so that neighbouring channels differ.
template <class F>
void every_channel_pair(int values, std::vector<typename F::pixel_t>& s,
                        std::vector<typename F::pixel_t>& d) {
    auto pixel = [](uint32_t v) {
        auto channel = [v](uint32_t mask, int shift, uint32_t multiplier) {
            return ((v * multiplier) << shift) & mask;
        };
        return typename F::pixel_t(channel(F::red_mask, F::red_shift, 1) |
                                   channel(F::green_mask, F::green_shift, 7) |
                                   channel(F::blue_mask, F::blue_shift, 13));
    };
    for (int i = 0; i < values; ++i) {
        for (int j = 0; j < values; ++j) {
            s.push_back(pixel(uint32_t(i)));
            d.push_back(pixel(uint32_t(j)));
        }
    }
}

// A key that none of the source pixels equals.
template <class pixel_t> uint32_t absent_key(const std::vector<pixel_t>& s) {
    pixel_t key = pixel_t(~0u);
    while (std::find(s.begin(), s.end(), key) != s.end()) {
        --key;
    }
    return key;
}

template <class F, class Rule> void expect_every_channel_pair(int values, const std::vector<Rule>& rules) {
    std::vector<typename F::pixel_t> s;
    std::vector<typename F::pixel_t> d;
    every_channel_pair<F>(values, s, d);
    const uint32_t key = absent_key(s);
    for (const Rule& rule : rules) {
        expect_row<F>(widths_to_check(), rule, s, d, key, 0, int32_t(s.size()));
    }
}

std::vector<blend::alpha_rule> every_weight() {
    std::vector<blend::alpha_rule> rules;
    for (int32_t weight = 0; weight <= 256; ++weight) {
        rules.emplace_back(weight);
    }
    return rules;
}

// A rule of some other blitter on the blend frame: it has no 32-byte loops of its own.
struct difference_rule {
    template <class F, class W> W operator()(F, W s, W d) const { return s ^ d; }
};

} // namespace

TEST(blend_rows, rows_of_every_width_match_one_pixel_rules) {
    for (int bytes : widths_to_check()) {
        SCOPED_TRACE(testing::Message() << bytes << "-byte loops");
        expect_every_format(bytes);
    }
}

// The weighted blend's steps, added to a whole base pixel, hold for every value a channel can take in every
// 16-bit format, and so do the saturating sum's channels, each saturated against a destination with all
// other bits set, and the two averages of kind A.
TEST(blend_rows, forms_for_16_bit_pixels_hold_for_every_channel_pair) {
    const std::vector<blend::alpha_rule> weights = every_weight();
    expect_every_channel_pair<blend::format_565>(64, weights);
    expect_every_channel_pair<blend::format_a555>(32, weights);
    expect_every_channel_pair<blend::format_555a>(32, weights);
    expect_every_channel_pair<blend::format_a444>(16, weights);
    expect_every_channel_pair<blend::format_444a>(16, weights);
    expect_every_channel_pair<blend::format_565>(64, std::vector{blend::add_rule{}});
    expect_every_channel_pair<blend::format_a555>(32, std::vector{blend::add_rule{}});
    expect_every_channel_pair<blend::format_555a>(32, std::vector{blend::add_rule{}});
    expect_every_channel_pair<blend::format_a444>(16, std::vector{blend::add_rule{}});
    expect_every_channel_pair<blend::format_444a>(16, std::vector{blend::add_rule{}});
    expect_every_channel_pair<blend::format_565>(64, std::vector{blend::quarter_rule{}});
}

TEST(blend_rows, weighted_form_for_8_bit_channels_holds_for_every_channel_pair) {
    expect_every_channel_pair<blend::format_a888>(256, every_weight());
}

// Such a rule draws through the blend frame, in the 16-byte loops even where the 32-byte ones are in use,
// and it builds without them.
TEST(blend_rows, rules_without_wide_blocks_draw_in_the_narrow_rows) {
    using namespace blend_test;
    std::mt19937 random(0x07E);
    surfaces_t surfaces;
    auto source = surfaces.make(formats[1], 40, 3);
    auto destination = surfaces.make(formats[1], 40, 3);
    constexpr uint32_t key = 0x1234;
    set_key(*source, key);
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 40; ++x) {
            put_pixel(*source, x, y, x % 5 == 0 ? key : random() & 0xFFFF);
            put_pixel(*destination, x, y, random() & 0xFFFF);
        }
    }
    const std::vector<uint32_t> s = pixels(*source);
    const std::vector<uint32_t> d = pixels(*destination);
    const plat::rect_t all{0, 0, 40, 3};
    ASSERT_EQ(
        blend::blit<blend::format_565>(difference_rule{}, destination.get(), &all, 0, 0, source.get(), &all),
        plat::dd_ok);
    const std::vector<uint32_t> out = pixels(*destination);
    for (size_t i = 0; i < out.size(); ++i) {
        ASSERT_EQ(out[i], s[i] == key ? d[i] : s[i] ^ d[i]) << i;
    }
}

#endif
