#include "platform/widen_row.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace plat {

namespace {

#if defined(__SSE2__)
// Four source pixels at a time; each output register is one shuffle of them.
template <int32_t scale> int32_t widen_fours(const uint32_t* from, uint32_t* to, int32_t width) {
    int32_t x = 0;
    for (; x + 4 <= width; x += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x));
        __m128i out[scale];
        if constexpr (scale == 2) {
            out[0] = _mm_unpacklo_epi32(v, v);
            out[1] = _mm_unpackhi_epi32(v, v);
        } else if constexpr (scale == 3) {
            out[0] = _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 0, 0));
            out[1] = _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 2, 1, 1));
            out[2] = _mm_shuffle_epi32(v, _MM_SHUFFLE(3, 3, 3, 2));
        } else {
            static_assert(scale == 4);
            out[0] = _mm_shuffle_epi32(v, _MM_SHUFFLE(0, 0, 0, 0));
            out[1] = _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 1, 1, 1));
            out[2] = _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 2, 2, 2));
            out[3] = _mm_shuffle_epi32(v, _MM_SHUFFLE(3, 3, 3, 3));
        }
        for (int32_t i = 0; i < scale; ++i) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + size_t(x) * scale) + i, out[i]);
        }
    }
    return x;
}
#else
template <int32_t scale> int32_t widen_fours(const uint32_t*, uint32_t*, int32_t) {
    return 0;
}
#endif

} // namespace

void widen_row(const uint32_t* from, uint32_t* to, int32_t width, int32_t scale) {
    if (width <= 0) {
        return;
    }
    int32_t x = 0;
    switch (scale) {
    case 1:
        std::memcpy(to, from, size_t(width) * 4);
        return;
    case 2:
        x = widen_fours<2>(from, to, width);
        break;
    case 3:
        x = widen_fours<3>(from, to, width);
        break;
    case 4:
        x = widen_fours<4>(from, to, width);
        break;
    default:
        break;
    }
    for (; x < width; ++x) {
        std::fill_n(to + size_t(x) * size_t(scale), scale, from[x]);
    }
}

} // namespace plat
