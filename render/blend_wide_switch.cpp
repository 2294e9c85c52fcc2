// Chooses the 32-byte blend loops once. Compiled without AVX2, so that the question itself runs anywhere.
#include "render/blend_wide.h"

#include "platform/processor.h"

namespace blend {

bool processor_has_wide_rows() {
    return plat::processor_has_avx2();
}

bool wide_rows = processor_has_wide_rows();

} // namespace blend
