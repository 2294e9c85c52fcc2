// What the processor offers beyond the baseline instruction set, asked once by the code that picks loops.
#pragma once

namespace plat {

// Whether this processor runs AVX2 code.
bool processor_has_avx2();

// Whether this processor (and the system, which must save its registers) runs AVX-512BW code.
bool processor_has_avx512bw();

} // namespace plat
