#include "tools/sample/ship_pictures.h"

#include <cmath>

namespace {

constexpr uint32_t none = 0xFFFFFFFF;
constexpr uint32_t glow = 0xFF9030;
constexpr uint32_t canopy = 0xC0F0FF;

struct point_t {
    double x;
    double y;
};

// Inside the triangle a, b, c, whichever way round it is given.
bool in_triangle(double x, double y, point_t a, point_t b, point_t c) {
    const auto side = [x, y](point_t p, point_t q) {
        return (q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x);
    };
    const double ab = side(a, b);
    const double bc = side(b, c);
    const double ca = side(c, a);
    return (ab >= 0 && bc >= 0 && ca >= 0) || (ab <= 0 && bc <= 0 && ca <= 0);
}

bool in_ellipse(double x, double y, double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx;
    const double dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1;
}

// The hull's colour lit from above: the lower half a shade darker.
uint32_t lit(uint32_t hull, double y) {
    if (y <= 0) {
        return hull;
    }
    return (hull >> 16 & 0xFF) * 3 / 4 << 16 | (hull >> 8 & 0xFF) * 3 / 4 << 8 | (hull & 0xFF) * 3 / 4;
}

// Type A: a slim arrow with swept wings and a long nose, for the long laser.
uint32_t arrow(double x, double y) {
    constexpr uint32_t hull = 0x4080E0;
    const double ay = std::abs(y);
    if (in_ellipse(x, y, 5, -0.5, 3.5, 1.6)) {
        return canopy;
    }
    if (x >= -17 && x < -14 && ay <= 2) {
        return glow;
    }
    if ((x >= -14 && x <= 12 && ay <= 2.5) || (x > 12 && x <= 19 && ay <= (19 - x) * 0.36)) {
        return lit(hull, y);
    }
    if (in_triangle(x, ay, {4, 0}, {-12, 12}, {-9, 0}) || in_triangle(x, ay, {-9, 0}, {-12, 12}, {-15, 12})) {
        return ay > 10 ? 0x80C0FF : lit(0x2858A8, y);
    }
    return none;
}

// Type B: two pods on a straight wing, the drip missiles' racks under them.
uint32_t twin(double x, double y) {
    constexpr uint32_t hull = 0x40C060;
    const double ay = std::abs(y);
    const double pod = ay - 8;
    if (x >= -17 && x < -14 && std::abs(pod) <= 1.5) {
        return glow;
    }
    if (std::abs(pod) <= 2.5 && x >= -14 && (x <= 10 || in_ellipse(x, pod, 10, 0, 5, 2.5))) {
        return x > 10 ? 0xFFFFFF : lit(hull, y);
    }
    if (x >= -5 && x <= 1 && ay <= 8) {
        return lit(0x287838, y);
    }
    if (in_ellipse(x, y, 0, 0, 11, 3.5)) {
        return in_ellipse(x, y, 4, -0.5, 3, 1.5) ? canopy : lit(hull, y);
    }
    return none;
}

// Type C: a heavy round hull behind a cannon, for the power shot.
uint32_t heavy(double x, double y) {
    constexpr uint32_t hull = 0xE06040;
    const double ay = std::abs(y);
    if (x >= -18 && x < -13 && ay >= 2 && ay <= 6) {
        return glow;
    }
    if (x > 9 && x <= 19 && ay <= 2) {
        return x > 17 ? 0xFFE080 : 0xA0A0B0;
    }
    if (in_ellipse(x, y, -1, 0, 13, 10)) {
        if (in_ellipse(x, y, 3, -4, 4, 2.2)) {
            return canopy;
        }
        return std::abs(x + 6) < 1 ? 0x802010 : lit(hull, y);
    }
    return none;
}

// Type D: a flat diamond with tall fins above and below, for the vertical missile.
uint32_t fin(double x, double y) {
    constexpr uint32_t hull = 0xC060E0;
    const double ay = std::abs(y);
    if (x >= -18 && x < -15 && ay <= 2) {
        return glow;
    }
    if (std::abs(x) / 16 + ay / 5 <= 1 && x >= -15) {
        return in_ellipse(x, y, 4, -0.5, 3.5, 1.5) ? canopy : lit(hull, y);
    }
    if (in_triangle(x, ay, {-12, 0}, {-3, 0}, {-13, 14})) {
        return ay > 12 ? 0xF0A0FF : lit(0x8030A0, y);
    }
    if (in_triangle(x, ay, {6, 0}, {11, 0}, {4, 6})) {
        return lit(0x8030A0, y);
    }
    return none;
}

using ship_shade_t = uint32_t (*)(double x, double y);

constexpr ship_shade_t ship_types[] = {arrow, twin, heavy, fin};

} // namespace

void draw_ship_type(sample_picture_t& p, int32_t cx, int32_t cy, int32_t type) {
    for (int32_t y = -15; y < 15; ++y) {
        for (int32_t x = -20; x < 20; ++x) {
            const uint32_t colour = ship_types[type](x + 0.5, y + 0.5);
            if (colour != none) {
                p.at(cx + x, cy + y) = colour;
            }
        }
    }
}
