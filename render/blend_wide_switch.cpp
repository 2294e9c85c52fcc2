// Chooses the blend row loops' register width once. Compiled without AVX2, so that the question itself runs
// anywhere.
#include "render/blend_wide.h"

#include "platform/processor.h"

namespace blend {

int32_t processor_row_bytes() {
    return plat::processor_has_avx512bw() ? 64 : plat::processor_has_avx2() ? 32 : 16;
}

int32_t row_bytes = processor_row_bytes();
bool halved_registers = plat::processor_halves_wide_registers();

} // namespace blend
