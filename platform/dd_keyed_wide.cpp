// The keyed copy's 32-byte loops, in the one platform file built with AVX2; 3-byte pixels go four at a time
// through byte shuffles.
#include "platform/dd_keyed.h"
#include "platform/dd_keyed_rows.h"

#if defined(__SSE2__)
#if !defined(__AVX2__)
#error "this file is built with AVX2 enabled"
#endif

#include <immintrin.h>

namespace plat {

namespace {

// Four 3-byte pixels from 16 loaded bytes; the last four bytes of the store are the destination's own.
void keyed_row_24(const uint8_t* s, uint8_t* d, int32_t n, uint32_t low, uint32_t span) {
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i gather = _mm_setr_epi8(0, 0, 0, 4, 4, 4, 8, 8, 8, 12, 12, 12, -1, -1, -1, -1);
    const __m128i lows = _mm_set1_epi32(int32_t(low));
    const __m128i spans = _mm_set1_epi32(int32_t(span));
    const __m128i ones = _mm_set1_epi32(-1);
    int32_t i = 0;
    for (; (i + 4) * 3 + 4 <= n * 3; i += 4) {
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i * 3));
        const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i * 3));
        const __m128i offset = _mm_sub_epi32(_mm_shuffle_epi8(sv, spread), lows);
        const __m128i hit = _mm_cmpeq_epi32(_mm_min_epu32(offset, spans), offset);
        const __m128i take = _mm_shuffle_epi8(_mm_xor_si128(hit, ones), gather);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i * 3), _mm_blendv_epi8(dv, sv, take));
    }
    keyed_pixels<3>(s + i * 3, d + i * 3, n - i, low, span);
}

} // namespace

void copy_keyed_rows_wide(const keyed_rows_t& r, uint32_t bytes) {
    if (bytes != 3) {
        keyed_vector_rows<32>(r, bytes);
        return;
    }
    for (int32_t y = 0; y < r.rows; ++y) {
        keyed_row_24(r.source + y * r.source_pitch, r.destination + y * r.destination_pitch, r.n, r.low,
                     r.high - r.low);
    }
}

} // namespace plat

#else

namespace plat {

void copy_keyed_rows_wide(const keyed_rows_t& rows, uint32_t bytes) {
    copy_keyed_rows_narrow(rows, bytes);
}

} // namespace plat

#endif
