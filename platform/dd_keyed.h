// The keyed copy's rows: source pixels go to the destination except those inside the source key's range,
// a whole register of pixels at a time. The 32-byte loops are chosen once, on processors that have AVX2.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plat {

// `rows` rows of n pixels of `bytes` bytes (1 to 4). The key range low..high is already cut to the
// pixel's values (low <= high < 2^(8 * bytes)); source and destination do not overlap.
struct keyed_rows_t {
    const uint8_t* source;
    ptrdiff_t source_pitch;
    uint8_t* destination;
    ptrdiff_t destination_pitch;
    int32_t n;
    int32_t rows;
    uint32_t low;
    uint32_t high;
};

void copy_keyed_rows(const keyed_rows_t& rows, uint32_t bytes);

// The loops by register width; copy_keyed_rows takes the widest the processor runs unless the tests
// turn keyed_wide_rows off. copy_keyed_rows_wide runs only where the processor has AVX2.
extern bool keyed_wide_rows;
void copy_keyed_rows_narrow(const keyed_rows_t& rows, uint32_t bytes);
void copy_keyed_rows_wide(const keyed_rows_t& rows, uint32_t bytes);

} // namespace plat
