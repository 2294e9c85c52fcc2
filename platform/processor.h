// What the processor offers beyond the baseline instruction set, asked once by the code that picks loops.
#pragma once

namespace plat {

// Whether this processor runs AVX2 code.
bool processor_has_avx2();

// Whether this processor (and the system, which must save its registers) runs AVX-512BW code.
bool processor_has_avx512bw();

// Whether this processor's stores under a lane mask are slow enough that loading the destination, blending
// in registers and storing whole registers is faster: true of the AMD families.
bool processor_masked_store_slow();

// Whether this processor runs each 64-byte register operation as two 32-byte halves (the AMD family 19h
// that has AVX-512), where rows of 64-byte registers that do little arithmetic per byte are slower.
bool processor_halves_wide_registers();

// Whether the keyed copy's 32-byte rows store under a lane mask (leaving key pixels unwritten) or blend
// with the destination in registers and store whole registers; set once from the processor, the tests set
// it.
extern bool masked_stores;

} // namespace plat
