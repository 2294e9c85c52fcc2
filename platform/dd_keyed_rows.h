// The keyed row loops for one register width and the one-pixel rule they follow. Everything here has
// internal linkage, so the AVX2 file's copies can never stand in for those of a baseline file.
#pragma once

#include "platform/dd_keyed.h"
#include "platform/processor.h"

#include <cstring>

#if defined(__AVX2__)
#include <immintrin.h>
#endif

namespace plat {
namespace {

template <size_t bytes> uint32_t load_pixel(const uint8_t* p) {
    uint32_t v = 0;
    std::memcpy(&v, p, bytes); // little-endian, as the surfaces are
    return v;
}

template <size_t bytes> void store_pixel(uint8_t* p, uint32_t v) {
    std::memcpy(p, &v, bytes);
}

// One pixel by the rule every loop must match: a key pixel leaves the destination as it was.
template <size_t bytes> void keyed_pixel(const uint8_t* s, uint8_t* d, uint32_t low, uint32_t span) {
    const uint32_t p = load_pixel<bytes>(s);
    const uint32_t hit = 0u - uint32_t(p - low <= span);
    store_pixel<bytes>(d, (p & ~hit) | (load_pixel<bytes>(d) & hit));
}

template <size_t bytes>
void keyed_pixels(const uint8_t* s, uint8_t* d, int32_t n, uint32_t low, uint32_t span) {
    for (int32_t i = 0; i < n; ++i, s += bytes, d += bytes) {
        keyed_pixel<bytes>(s, d, low, span);
    }
}

// Rows of pixels of 1, 2 or 4 bytes, width bytes at a time. The last register of a row ends at the row's
// end and may overlap the one before it; the copy is idempotent (a key pixel keeps the destination's value,
// any other takes the source's), so the overlapped pixels come out the same. Where masked stores are
// wanted, single-key 4-byte pixels in 32-byte registers store only the pixels drawn.
template <int width, class T, bool single, bool masked> void keyed_vector_rows_of(const keyed_rows_t r) {
    typedef T vec __attribute__((vector_size(width)));
    constexpr int32_t size = int32_t(sizeof(T));
    constexpr int32_t step = width / size;
    const T low = T(r.low), span = T(r.high - r.low);
    const uint8_t* s = r.source;
    uint8_t* d = r.destination;
    if (r.n < step) {
        for (int32_t y = 0; y < r.rows; ++y, s += r.source_pitch, d += r.destination_pitch) {
            keyed_pixels<sizeof(T)>(s, d, r.n, low, span);
        }
        return;
    }
    const vec lows = vec{} + low;
    const vec spans = vec{} + span;
    const int32_t last = (r.n - step) * size;
    for (int32_t y = 0; y < r.rows; ++y, s += r.source_pitch, d += r.destination_pitch) {
        auto block = [&](int32_t at) {
            vec sv, dv;
            std::memcpy(&sv, s + at, width);
#if defined(__AVX2__)
            if constexpr (width == 32 && size == 4 && single && masked) {
                // Only the pixels drawn are stored: the destination is never read.
                const vec take = sv != lows;
                _mm256_maskstore_epi32(reinterpret_cast<int*>(d + at), __m256i(take), __m256i(sv));
                return;
            }
#endif
            std::memcpy(&dv, d + at, width);
            // A single key value (the usual case) needs one comparison.
            const vec out = single ? (sv == lows ? dv : sv) : (sv - lows <= spans ? dv : sv);
            std::memcpy(d + at, &out, width);
        };
        for (int32_t at = 0; at < last; at += width) {
            block(at);
        }
        block(last);
    }
}

template <int width, class T> void keyed_vector_rows_of(const keyed_rows_t& r) {
    if (r.low != r.high) {
        keyed_vector_rows_of<width, T, false, false>(r);
    } else if (width == 32 && sizeof(T) == 4 && masked_stores) {
        keyed_vector_rows_of<width, T, true, true>(r);
    } else {
        keyed_vector_rows_of<width, T, true, false>(r);
    }
}

template <int width> void keyed_vector_rows(const keyed_rows_t& r, uint32_t bytes) {
    switch (bytes) {
    case 1:
        keyed_vector_rows_of<width, uint8_t>(r);
        break;
    case 2:
        keyed_vector_rows_of<width, uint16_t>(r);
        break;
    case 3:
        for (int32_t y = 0; y < r.rows; ++y) {
            keyed_pixels<3>(r.source + y * r.source_pitch, r.destination + y * r.destination_pitch, r.n,
                            r.low, r.high - r.low);
        }
        break;
    default:
        keyed_vector_rows_of<width, uint32_t>(r);
        break;
    }
}

} // namespace
} // namespace plat
