// The keyed row loops for one register width, included by the file built for that width only. Everything
// here has internal linkage, so the AVX2 file's copies can never stand in for the baseline file's.
#pragma once

#include "platform/dd_keyed.h"

#include <cstring>

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

template <size_t bytes> void keyed_pixels(const uint8_t* s, uint8_t* d, int32_t n, uint32_t low, uint32_t span) {
    for (int32_t i = 0; i < n; ++i, s += bytes, d += bytes) {
        keyed_pixel<bytes>(s, d, low, span);
    }
}

// Pixels of 1, 2 or 4 bytes, width bytes at a time. The last register overlaps the one before it; the
// copy is idempotent (a key pixel keeps the destination's value, any other takes the source's), so the
// overlapped pixels come out the same.
template <int width, class T> void keyed_vector_row(const uint8_t* s, uint8_t* d, int32_t n, T low, T span) {
    typedef T vec __attribute__((vector_size(width)));
    constexpr int32_t step = width / int32_t(sizeof(T));
    if (n < step) {
        keyed_pixels<sizeof(T)>(s, d, n, low, span);
        return;
    }
    const vec lows = vec{} + low;
    const vec spans = vec{} + span;
    auto block = [&](int32_t at) {
        vec sv, dv;
        std::memcpy(&sv, s + at * int32_t(sizeof(T)), width);
        std::memcpy(&dv, d + at * int32_t(sizeof(T)), width);
        const vec hit = vec(sv - lows <= spans);
        const vec out = (sv & ~hit) | (dv & hit);
        std::memcpy(d + at * int32_t(sizeof(T)), &out, width);
    };
    int32_t i = 0;
    for (; i + step <= n; i += step) {
        block(i);
    }
    if (i < n) {
        block(n - step);
    }
}

template <int width> void keyed_vector_rows(const keyed_rows_t& r, uint32_t bytes) {
    const uint32_t span = r.high - r.low;
    for (int32_t y = 0; y < r.rows; ++y) {
        const uint8_t* s = r.source + y * r.source_pitch;
        uint8_t* d = r.destination + y * r.destination_pitch;
        switch (bytes) {
        case 1:
            keyed_vector_row<width, uint8_t>(s, d, r.n, uint8_t(r.low), uint8_t(span));
            break;
        case 2:
            keyed_vector_row<width, uint16_t>(s, d, r.n, uint16_t(r.low), uint16_t(span));
            break;
        case 3:
            keyed_pixels<3>(s, d, r.n, r.low, span);
            break;
        default:
            keyed_vector_row<width, uint32_t>(s, d, r.n, r.low, span);
            break;
        }
    }
}

} // namespace
} // namespace plat
