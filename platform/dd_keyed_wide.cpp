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

// The take-source mask of four 3-byte pixels in the low 12 bytes of g (the top four bytes come out 0).
__m128i take_of_four(__m128i g, __m128i lows, __m128i spans) {
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i gather = _mm_setr_epi8(0, 0, 0, 4, 4, 4, 8, 8, 8, 12, 12, 12, -1, -1, -1, -1);
    const __m128i offset = _mm_sub_epi32(_mm_shuffle_epi8(g, spread), lows);
    const __m128i hit = _mm_cmpeq_epi32(_mm_min_epu32(offset, spans), offset);
    return _mm_shuffle_epi8(_mm_xor_si128(hit, _mm_set1_epi32(-1)), gather);
}

// Sixteen 3-byte pixels from three whole registers: no load reads bytes that a store just before it wrote
// in part, which would stall the load.
void keyed_row_24(const uint8_t* s, uint8_t* d, int32_t n, uint32_t low, uint32_t span) {
    const __m128i lows = _mm_set1_epi32(int32_t(low));
    const __m128i spans = _mm_set1_epi32(int32_t(span));
    auto load = [](const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
    auto store = [](uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); };
    int32_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const uint8_t* sp = s + i * 3;
        uint8_t* dp = d + i * 3;
        const __m128i s0 = load(sp), s1 = load(sp + 16), s2 = load(sp + 32);
        const __m128i t0 = take_of_four(s0, lows, spans);
        const __m128i t1 = take_of_four(_mm_alignr_epi8(s1, s0, 12), lows, spans);
        const __m128i t2 = take_of_four(_mm_alignr_epi8(s2, s1, 8), lows, spans);
        const __m128i t3 = take_of_four(_mm_srli_si128(s2, 4), lows, spans);
        const __m128i m0 = _mm_or_si128(t0, _mm_slli_si128(t1, 12));
        const __m128i m1 = _mm_or_si128(_mm_srli_si128(t1, 4), _mm_slli_si128(t2, 8));
        const __m128i m2 = _mm_or_si128(_mm_srli_si128(t2, 8), _mm_slli_si128(t3, 4));
        store(dp, _mm_blendv_epi8(load(dp), s0, m0));
        store(dp + 16, _mm_blendv_epi8(load(dp + 16), s1, m1));
        store(dp + 32, _mm_blendv_epi8(load(dp + 32), s2, m2));
    }
    // Four at a time while 16 bytes fit, the last four of them the destination's own.
    for (; (i + 4) * 3 + 4 <= n * 3; i += 4) {
        const __m128i sv = load(s + i * 3);
        store(d + i * 3, _mm_blendv_epi8(load(d + i * 3), sv, take_of_four(sv, lows, spans)));
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
