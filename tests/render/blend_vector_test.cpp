// The vector forms of the rules, generic and format-specific, against the one-pixel rules they speed up.
#include "render/blend_rows.h"

#include <gtest/gtest.h>

#include <random>

#if defined(__SSE2__)

namespace {

constexpr int lanes_of(size_t pixel_size) {
    return int(16 / pixel_size);
}

// Values that sit on the edges of the channels and of the spare bits, mixed into the random ones.
uint32_t edge_value(std::mt19937& random) {
    static const uint32_t edges[] = {0,          0xFFFFFFFF, 0x80808080, 0x7F7F7F7F, 0x84108410, 0x08410841,
                                     0xF800F800, 0x7BEF7BEF, 0x01010101, 0xFEFEFEFE, 0x10001000};
    return edges[random() % std::size(edges)];
}

template <class F, class Rule> void expect_same(const Rule& rule, std::mt19937& random) {
    using pixel_t = typename F::pixel_t;
    constexpr int n = lanes_of(sizeof(pixel_t));
    for (int round = 0; round < 4000; ++round) {
        pixel_t s[n];
        pixel_t d[n];
        for (int i = 0; i < n; ++i) {
            s[i] = pixel_t(random() % 4 == 0 ? edge_value(random) : random());
            d[i] = pixel_t(random() % 4 == 0 ? edge_value(random) : random());
        }
        pixel_t r[n];
        const __m128i rv = blend::vector_rule(rule, F{}, _mm_loadu_si128(reinterpret_cast<const __m128i*>(s)),
                                              _mm_loadu_si128(reinterpret_cast<const __m128i*>(d)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(r), rv);
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(r[i], pixel_t(rule(F{}, uint32_t(s[i]), uint32_t(d[i]))))
                << std::hex << "s " << uint32_t(s[i]) << " d " << uint32_t(d[i]);
        }
    }
}

template <class F> void expect_format(std::mt19937& random) {
    expect_same<F>(blend::quarter_rule{}, random);
    expect_same<F>(blend::half_rule{}, random);
    for (int32_t weight : {0, 1, 64, 127, 128, 192, 255, 256, int32_t(random() % 257)}) {
        expect_same<F>(blend::alpha_rule(weight), random);
    }
    for (uint32_t colour : {0u, 0xFFFFFFFFu, uint32_t(random()), uint32_t(random())}) {
        expect_same<F>(blend::tint_rule{colour}, random);
    }
    expect_same<F>(blend::add_rule{}, random);
}

} // namespace

TEST(blend_vector, lanes_match_one_pixel_rules) {
    std::mt19937 random(0xB1E7D);
    expect_format<blend::format_565>(random);
    expect_format<blend::format_a555>(random);
    expect_format<blend::format_555a>(random);
    expect_format<blend::format_a444>(random);
    expect_format<blend::format_444a>(random);
    expect_format<blend::format_a888>(random);
    expect_format<blend::format_888a>(random);
}

#endif
