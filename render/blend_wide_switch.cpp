// Chooses the blend row loops' register width once. Compiled without AVX2, so that the question itself runs
// anywhere.
#include "render/blend_wide.h"

#include "platform/processor.h"

#include <algorithm>

namespace blend {

int32_t processor_row_bytes() {
    return plat::processor_has_avx512bw() ? 64 : plat::processor_has_avx2() ? 32 : 16;
}

int32_t processor_row_bytes_of_4_byte_pixels() {
    return plat::processor_halves_wide_registers() ? std::min(processor_row_bytes(), 32)
                                                   : processor_row_bytes();
}

int32_t row_bytes = processor_row_bytes();
int32_t row_bytes_of_4_byte_pixels = processor_row_bytes_of_4_byte_pixels();

} // namespace blend
