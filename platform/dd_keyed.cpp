// The keyed copy's 16-byte loops (the baseline instruction set) and the choice of loop width.
#include "platform/dd_keyed.h"
#include "platform/dd_keyed_rows.h"
#include "platform/processor.h"

namespace plat {

namespace {

const bool has_avx2 = processor_has_avx2();

} // namespace

bool keyed_wide_rows = has_avx2;

void copy_keyed_rows_narrow(const keyed_rows_t& rows, uint32_t bytes) {
    keyed_vector_rows<16>(rows, bytes);
}

void copy_keyed_rows(const keyed_rows_t& rows, uint32_t bytes) {
    if (keyed_wide_rows && has_avx2) {
        copy_keyed_rows_wide(rows, bytes);
    } else {
        copy_keyed_rows_narrow(rows, bytes);
    }
}

} // namespace plat
