// The register operations of the blend loops under one set of names for 16-byte (SSE2), 32-byte (AVX2) and
// 64-byte (AVX-512BW) registers, so that one source serves every width. The wider sets exist only where the
// compiler may use their instructions: in the files whose loops are chosen at run time.
#pragma once

#if defined(__SSE2__)
#include <immintrin.h>

#include <cstdint>

namespace blend {

template <int Bytes> struct simd;

template <> struct simd<16> {
    using reg = __m128i;

    static reg load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const reg*>(p)); }
    static void store(uint8_t* p, reg v) { _mm_storeu_si128(reinterpret_cast<reg*>(p), v); }
    template <int Bits> static reg broadcast(uint32_t c) {
        return Bits == 32 ? _mm_set1_epi32(int32_t(c)) : _mm_set1_epi16(int16_t(c));
    }
    static reg zero() { return _mm_setzero_si128(); }

    static reg bit_and(reg a, reg b) { return _mm_and_si128(a, b); }
    static reg bit_or(reg a, reg b) { return _mm_or_si128(a, b); }
    static reg bit_xor(reg a, reg b) { return _mm_xor_si128(a, b); }
    // (NOT a) AND b.
    static reg and_not(reg a, reg b) { return _mm_andnot_si128(a, b); }

    template <int Bits> static reg add(reg a, reg b) {
        return Bits == 32 ? _mm_add_epi32(a, b) : _mm_add_epi16(a, b);
    }
    template <int Bits> static reg sub(reg a, reg b) {
        return Bits == 32 ? _mm_sub_epi32(a, b) : _mm_sub_epi16(a, b);
    }
    template <int Bits> static reg shift_left(reg a, int n) {
        return Bits == 32 ? _mm_slli_epi32(a, n) : _mm_slli_epi16(a, n);
    }
    template <int Bits> static reg shift_right(reg a, int n) {
        return Bits == 32 ? _mm_srli_epi32(a, n) : _mm_srli_epi16(a, n);
    }
    // Stores value at p, but kept (what p holds) in the lanes where a equals b.
    template <int Bits> static void store_unless_equal(uint8_t* p, reg a, reg b, reg value, reg kept) {
        const reg mask = Bits == 32 ? _mm_cmpeq_epi32(a, b) : _mm_cmpeq_epi16(a, b);
        store(p, _mm_or_si128(_mm_and_si128(mask, kept), _mm_andnot_si128(mask, value)));
    }
    static reg shift_right_signed_32(reg a, int n) { return _mm_srai_epi32(a, n); }

    static reg add_bytes(reg a, reg b) { return _mm_add_epi8(a, b); }
    static reg add_saturated_bytes(reg a, reg b) { return _mm_adds_epu8(a, b); }
    static reg add_saturated_16(reg a, reg b) { return _mm_adds_epu16(a, b); }
    // The unsigned byte average rounded up.
    static reg average_bytes(reg a, reg b) { return _mm_avg_epu8(a, b); }
    static reg multiply_low_16(reg a, reg b) { return _mm_mullo_epi16(a, b); }
    static reg multiply_high_signed_16(reg a, reg b) { return _mm_mulhi_epi16(a, b); }
    static reg multiply_add_16(reg a, reg b) { return _mm_madd_epi16(a, b); }

    static reg unpack_low_16(reg a, reg b) { return _mm_unpacklo_epi16(a, b); }
    static reg unpack_high_16(reg a, reg b) { return _mm_unpackhi_epi16(a, b); }
    static reg pack_signed_32(reg a, reg b) { return _mm_packs_epi32(a, b); }
};

#if defined(__AVX2__)
// Unpacking and packing work within each 16-byte half, so an unpack followed by a pack keeps the order.
template <> struct simd<32> {
    using reg = __m256i;

    static reg load(const uint8_t* p) { return _mm256_loadu_si256(reinterpret_cast<const reg*>(p)); }
    static void store(uint8_t* p, reg v) { _mm256_storeu_si256(reinterpret_cast<reg*>(p), v); }
    template <int Bits> static reg broadcast(uint32_t c) {
        return Bits == 32 ? _mm256_set1_epi32(int32_t(c)) : _mm256_set1_epi16(int16_t(c));
    }
    static reg zero() { return _mm256_setzero_si256(); }

    static reg bit_and(reg a, reg b) { return _mm256_and_si256(a, b); }
    static reg bit_or(reg a, reg b) { return _mm256_or_si256(a, b); }
    static reg bit_xor(reg a, reg b) { return _mm256_xor_si256(a, b); }
    static reg and_not(reg a, reg b) { return _mm256_andnot_si256(a, b); }

    template <int Bits> static reg add(reg a, reg b) {
        return Bits == 32 ? _mm256_add_epi32(a, b) : _mm256_add_epi16(a, b);
    }
    template <int Bits> static reg sub(reg a, reg b) {
        return Bits == 32 ? _mm256_sub_epi32(a, b) : _mm256_sub_epi16(a, b);
    }
    template <int Bits> static reg shift_left(reg a, int n) {
        return Bits == 32 ? _mm256_slli_epi32(a, n) : _mm256_slli_epi16(a, n);
    }
    template <int Bits> static reg shift_right(reg a, int n) {
        return Bits == 32 ? _mm256_srli_epi32(a, n) : _mm256_srli_epi16(a, n);
    }
    template <int Bits> static void store_unless_equal(uint8_t* p, reg a, reg b, reg value, reg kept) {
        const reg mask = Bits == 32 ? _mm256_cmpeq_epi32(a, b) : _mm256_cmpeq_epi16(a, b);
        store(p, _mm256_blendv_epi8(value, kept, mask));
    }
    static reg shift_right_signed_32(reg a, int n) { return _mm256_srai_epi32(a, n); }

    static reg add_bytes(reg a, reg b) { return _mm256_add_epi8(a, b); }
    static reg add_saturated_bytes(reg a, reg b) { return _mm256_adds_epu8(a, b); }
    static reg add_saturated_16(reg a, reg b) { return _mm256_adds_epu16(a, b); }
    static reg average_bytes(reg a, reg b) { return _mm256_avg_epu8(a, b); }
    static reg multiply_low_16(reg a, reg b) { return _mm256_mullo_epi16(a, b); }
    static reg multiply_high_signed_16(reg a, reg b) { return _mm256_mulhi_epi16(a, b); }
    static reg multiply_add_16(reg a, reg b) { return _mm256_madd_epi16(a, b); }

    static reg unpack_low_16(reg a, reg b) { return _mm256_unpacklo_epi16(a, b); }
    static reg unpack_high_16(reg a, reg b) { return _mm256_unpackhi_epi16(a, b); }
    static reg pack_signed_32(reg a, reg b) { return _mm256_packs_epi32(a, b); }
};
#endif

#if defined(__AVX512BW__)
// Comparisons give mask registers here, so key pixels are left out of the store itself.
template <> struct simd<64> {
    using reg = __m512i;

    static reg load(const uint8_t* p) { return _mm512_loadu_si512(p); }
    static void store(uint8_t* p, reg v) { _mm512_storeu_si512(p, v); }
    template <int Bits> static reg broadcast(uint32_t c) {
        return Bits == 32 ? _mm512_set1_epi32(int32_t(c)) : _mm512_set1_epi16(int16_t(c));
    }
    static reg zero() { return _mm512_setzero_si512(); }

    static reg bit_and(reg a, reg b) { return _mm512_and_si512(a, b); }
    static reg bit_or(reg a, reg b) { return _mm512_or_si512(a, b); }
    static reg bit_xor(reg a, reg b) { return _mm512_xor_si512(a, b); }
    static reg and_not(reg a, reg b) { return _mm512_andnot_si512(a, b); }

    template <int Bits> static reg add(reg a, reg b) {
        return Bits == 32 ? _mm512_add_epi32(a, b) : _mm512_add_epi16(a, b);
    }
    template <int Bits> static reg sub(reg a, reg b) {
        return Bits == 32 ? _mm512_sub_epi32(a, b) : _mm512_sub_epi16(a, b);
    }
    template <int Bits> static reg shift_left(reg a, int n) {
        return Bits == 32 ? _mm512_slli_epi32(a, unsigned(n)) : _mm512_slli_epi16(a, unsigned(n));
    }
    template <int Bits> static reg shift_right(reg a, int n) {
        return Bits == 32 ? _mm512_srli_epi32(a, unsigned(n)) : _mm512_srli_epi16(a, unsigned(n));
    }
    // The lanes that keep their value are left out of the store.
    template <int Bits> static void store_unless_equal(uint8_t* p, reg a, reg b, reg value, reg) {
        if constexpr (Bits == 32) {
            _mm512_mask_storeu_epi32(p, _mm512_cmpneq_epi32_mask(a, b), value);
        } else {
            _mm512_mask_storeu_epi16(p, _mm512_cmpneq_epi16_mask(a, b), value);
        }
    }
    static reg shift_right_signed_32(reg a, int n) { return _mm512_srai_epi32(a, unsigned(n)); }

    static reg add_bytes(reg a, reg b) { return _mm512_add_epi8(a, b); }
    static reg add_saturated_bytes(reg a, reg b) { return _mm512_adds_epu8(a, b); }
    static reg add_saturated_16(reg a, reg b) { return _mm512_adds_epu16(a, b); }
    static reg average_bytes(reg a, reg b) { return _mm512_avg_epu8(a, b); }
    static reg multiply_low_16(reg a, reg b) { return _mm512_mullo_epi16(a, b); }
    static reg multiply_high_signed_16(reg a, reg b) { return _mm512_mulhi_epi16(a, b); }
    static reg multiply_add_16(reg a, reg b) { return _mm512_madd_epi16(a, b); }

    static reg unpack_low_16(reg a, reg b) { return _mm512_unpacklo_epi16(a, b); }
    static reg unpack_high_16(reg a, reg b) { return _mm512_unpackhi_epi16(a, b); }
    static reg pack_signed_32(reg a, reg b) { return _mm512_packs_epi32(a, b); }
};
#endif

} // namespace blend

#endif
