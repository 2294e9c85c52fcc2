// The 32-byte blend loops: the row blocks of blend_rows.h for 32-byte registers, in the one file built with
// AVX2. Only types of that width are instantiated here, so none of this file's code can stand in for the
// 16-byte or one-pixel code that the other files share.
#include "render/blend_wide.h"
#include "render/blend_rows.h"

#if defined(__SSE2__)
#if !defined(__AVX2__)
#error "this file is built with AVX2 enabled"
#endif

namespace blend {

template <class F, class Rule>
int32_t draw_wide_blocks(const Rule& rule, const uint8_t* s, uint8_t* d, int32_t n, uint32_t key) {
    return draw_blocks<32, F>(rule, s, d, n, key);
}

// Every kind that has_wide_blocks, in every format with 2- or 4-byte pixels.
// clang-format off
#define BLEND_WIDE_KIND(F, Rule) \
    template int32_t draw_wide_blocks<F, Rule>(const Rule&, const uint8_t*, uint8_t*, int32_t, uint32_t);
#define BLEND_WIDE_FORMAT(F) \
    BLEND_WIDE_KIND(F, quarter_rule) \
    BLEND_WIDE_KIND(F, half_rule) \
    BLEND_WIDE_KIND(F, alpha_rule) \
    BLEND_WIDE_KIND(F, tint_rule) \
    BLEND_WIDE_KIND(F, add_rule)
// clang-format on

BLEND_WIDE_FORMAT(format_565)
BLEND_WIDE_FORMAT(format_a555)
BLEND_WIDE_FORMAT(format_555a)
BLEND_WIDE_FORMAT(format_a444)
BLEND_WIDE_FORMAT(format_444a)
BLEND_WIDE_FORMAT(format_a888)
BLEND_WIDE_FORMAT(format_888a)

#undef BLEND_WIDE_FORMAT
#undef BLEND_WIDE_KIND

} // namespace blend

#endif
