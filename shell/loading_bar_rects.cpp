#include "shell/loading_bar.h"

#include <algorithm>

namespace {

constexpr int32_t bar_width = 100;
constexpr int32_t bar_height = 8;

} // namespace

loading_bar_t loading_bar_rects(const plat::rect_t& client, int percent) {
    const int32_t x0 = (client.right - client.left - bar_width) / 2;
    const int32_t y0 = (client.bottom - client.top - bar_height) / 2;
    const int32_t split = x0 + std::clamp(percent, 0, int(bar_width));
    return {{x0, y0, split, y0 + bar_height}, {split, y0, x0 + bar_width, y0 + bar_height}};
}
