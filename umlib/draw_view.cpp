// Where the back buffer's picture lands: the integer arithmetic both presenters share.
#include "umlib/draw.h"

#include <algorithm>

namespace umlib {

void clip_if_overlapping(plat::rect_t& d, const plat::rect_t& p) {
    if (d.left < p.right && p.left < d.right && d.top < p.bottom && p.top < d.bottom) {
        d = {std::max(d.left, p.left), std::max(d.top, p.top), std::min(d.right, p.right),
             std::min(d.bottom, p.bottom)};
    }
}

plat::rect_t draw_t::area_or_back(const plat::rect_t* area) const {
    return area != nullptr ? *area : back->rect;
}

plat::point_t draw_t::scaled_size(const plat::rect_t* area, int scale) const {
    const plat::rect_t a = area_or_back(area);
    return {(a.right - a.left) * scale, (a.bottom - a.top) * scale};
}

// Whatever clipping cuts off the destination is cut off the source too; the divisions truncate toward
// zero, so an origin left of or above the screen moves the source by whole source pixels.
void draw_t::set_scaled_view(const plat::rect_t* area, int scale, plat::point_t origin) {
    const plat::rect_t a = area_or_back(area);
    const plat::point_t size = scaled_size(area, scale);
    dst = {origin.x, origin.y, origin.x + size.x, origin.y + size.y};
    clip_if_overlapping(dst, primary->rect);
    src.left = dst.left / scale + a.left - origin.x / scale;
    src.top = dst.top / scale + a.top - origin.y / scale;
    src.right = dst.right / scale + src.left - dst.left / scale;
    src.bottom = dst.bottom / scale + src.top - dst.top / scale;
}

} // namespace umlib
