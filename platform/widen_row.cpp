#include "platform/widen_row.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace plat {

namespace {

#if defined(__SSE2__)
// Four source pixels at a time; each output register is one shuffle of them, handed to store with the index
// of its first pixel.
template <int32_t scale, class Store> int32_t widen_fours(const uint32_t* from, int32_t width, Store store) {
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
            store(size_t(x) * scale + size_t(i) * 4, out[i]);
        }
    }
    return x;
}
#else
template <int32_t scale, class Store> int32_t widen_fours(const uint32_t*, int32_t, Store) {
    return 0;
}
#endif

// The whole registers of the widened row by scale, handed to store; returns the source pixels they held.
template <class Store>
int32_t widen_registers(const uint32_t* from, int32_t width, int32_t scale, Store store) {
    switch (scale) {
    case 2:
        return widen_fours<2>(from, width, store);
    case 3:
        return widen_fours<3>(from, width, store);
    case 4:
        return widen_fours<4>(from, width, store);
    default:
        return 0;
    }
}

} // namespace

void widen_row(const uint32_t* from, uint32_t* to, int32_t width, int32_t scale) {
    if (width <= 0) {
        return;
    }
    if (scale == 1) {
        std::memcpy(to, from, size_t(width) * 4);
        return;
    }
    int32_t x = 0;
#if defined(__SSE2__)
    x = widen_registers(from, width, scale, [to](size_t at, __m128i v) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + at), v);
    });
#endif
    for (; x < width; ++x) {
        std::fill_n(to + size_t(x) * size_t(scale), scale, from[x]);
    }
}

void widen_row_into(const uint32_t* from, uint8_t* to, ptrdiff_t pitch, int32_t rows, int32_t width,
                    int32_t scale) {
    if (width <= 0 || rows <= 0) {
        return;
    }
    int32_t x = 0;
#if defined(__SSE2__)
    x = widen_registers(from, width, scale, [to, pitch, rows](size_t at, __m128i v) {
        for (int32_t row = 0; row < rows; ++row) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + row * pitch + at * 4), v);
        }
    });
#endif
    for (int32_t row = 0; row < rows; ++row) {
        auto* out = reinterpret_cast<uint32_t*>(to + row * pitch);
        for (int32_t i = x; i < width; ++i) {
            std::fill_n(out + size_t(i) * size_t(scale), scale, from[i]);
        }
    }
}

} // namespace plat
