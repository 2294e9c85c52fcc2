#include "tools/sample/chaser_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

struct axes_t {
    double along; // toward the heading
    double side;
};

// A sheet point in the axes of heading p of n per circle (headings turn from right toward up on screen).
axes_t heading_axes(double x, double y, int p, int n) {
    const double a = 2 * pi * p / n;
    return {x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a)};
}

uint32_t dart(double x, double y, int p) {
    const axes_t h = heading_axes(x, y, p, 32);
    if (h.along < -8 || h.along > 9 || std::fabs(h.side) > (9 - h.along) * 0.4) {
        return sheet_key_colour;
    }
    return h.along > 4 ? 0xFF4040 : 0xA0A8B8;
}

uint32_t blunt(double x, double y, int p) {
    const axes_t h = heading_axes(x, y, p, 64);
    if (std::fabs(h.along) > 7 || std::fabs(h.side) > 6 - std::max(h.along, 0.0) * 0.5) {
        return sheet_key_colour;
    }
    return std::fabs(h.side) < 2 && h.along > 1 ? 0x60FFA0 : 0x507050;
}

uint32_t phoenix(double x, double y, int p) {
    if (p < 8) {
        const double r = std::hypot(x / 6, y / 8);
        if (r > 1) {
            return sheet_key_colour;
        }
        const bool crack = p > 2 && std::fabs(y + std::fabs(std::fmod(x + 12, 4) - 2)) < 0.5 * (p - 2);
        return crack ? 0xFF8000 : 0xF0E8C0;
    }
    const double lift = (p - 10) * 3.0; // wings from up to down
    if (std::hypot(x, y) < 4) {
        return 0xFF6020;
    }
    if (std::fabs(x) < 10 && std::fabs(y - lift * std::fabs(x) / 10) < 1.5) {
        return 0xFFB030;
    }
    return sheet_key_colour;
}

uint32_t nest(double x, double y, int p) {
    const double r = std::hypot(x, y * 1.4);
    if (r > 11) {
        return sheet_key_colour;
    }
    return r < 3 + (p % 4) ? 0xFFD060 : 0x806030;
}

// A round warhead in a flame halo that grows with the burn: its cells follow the fuel, not the heading,
// so it must look the same whichever way it flies.
uint32_t sam(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r < 1.5) {
        return 0xE04040;
    }
    if (r < 3.5) {
        return 0xD0D0D0;
    }
    return r < 4 + p * 0.5 ? 0xFFC040 : sheet_key_colour;
}

uint32_t puff(double x, double y, int p) {
    const double size = 2 + (p / 8) * 1.5;
    const double r = std::hypot(x, y);
    if (r > size + (p % 8) * 0.4) {
        return sheet_key_colour;
    }
    const uint32_t grey = uint32_t(0xD0 - (p % 8) * 0x14);
    return grey << 16 | grey << 8 | grey;
}

uint32_t burst(double x, double y, int p) {
    const double r = std::hypot(x, y);
    const double outer = 3 + p * 0.6;
    if (r > outer || r < outer - 5) {
        return sheet_key_colour;
    }
    return p < 12 ? 0xFFF080 : 0xFF6020;
}

uint32_t blade(double x, double y, int p) {
    const axes_t h = heading_axes(x, y, p, 64);
    if (std::fabs(h.along) > 10 || std::fabs(h.side) > 3 - std::fabs(h.along) * 0.25) {
        return sheet_key_colour;
    }
    return std::fabs(h.along) < 3 ? 0x4040FF : 0xC0C0FF;
}

uint32_t spindle(double x, double y, int p) {
    const axes_t h = heading_axes(x, y, p, 64);
    if (std::fabs(h.along) > 7.5 || std::fabs(h.side) > 3.5 - std::fabs(h.along) * 0.4) {
        return sheet_key_colour;
    }
    return std::fabs(h.along) < 2 ? 0xFFFFFF : 0xE060E0;
}

} // namespace

std::vector<objectinfo_t> chaser_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {140, 16, 16, 6, 1, 500, tracer001_image, 0, 0},  // tracer001
        {141, 16, 16, 10, 1, 700, tracer002_image, 0, 0}, // tracer002
        {142, 16, 16, 8, 1, 600, fencer_image, 0, 0},     // fencer
        {168, 12, 12, 2, 1, 200, gather_image, 0, 0},     // the gathering ring's objects
        {214, 16, 16, 6, 1, 400, phoenix_image, 0, 0},    // phoenix bird
        {215, 24, 20, 16, 1, 1000, nest_image, 0, 0},     // its nest
        {216, 10, 6, 1, 1, 0, sam_image, 0, 0},           // SAM
        {217, 12, 12, 1, 0, 0, puff_image, 2, 0},         // its smoke, out of the shots' way
        {218, 24, 24, 1, 2, 0, burst_image, 0, 0},        // its burst
        {24, 4, 4, 1, 1, 0, 17, 0, 0},                    // the birds' shots, in the common shot picture
    };
}

std::vector<stage_group_t> chaser_groups() {
    return {
        {"fencer down", {place(142, 0, enter_x, 80, 1)}},    // looping down first
        {"fencer up", {place(142, 0, enter_x, 170, 0)}},     // looping up first
        {"tracer001", {place(140, 0, enter_x, 60, 0, 37)}},  // chasing the ship
        {"tracer002", {place(141, 0, enter_x, 180, 0, 40)}}, // hunting the ship
        {"phoenix001", {place(214, 0, 220, 90)}},            // a bird hatching ahead of the ship
        {"phoenix002", {place(215, 0, enter_x, 120)}},       // a nest that lets out four birds
        {"sam up", {place(216, 0, enter_x, 230)}},           // rising from below
        {"sam down", {place(216, 0, enter_x, 30)}},          // diving from above
        {"gather", {place(168, 0, enter_x, 128, 0, 38)}},    // a ring gathering round the ship
        {"gather plain", {place(168, 0, enter_x, 128)}},
    };
}

bool add_chaser_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {tracer001_image, "image\\tracer001.bmp", 24, 24, 8, 32, dart},
        {tracer002_image, "image\\tracer002.bmp", 16, 16, 8, 64, blunt},
        {phoenix_image, "image\\phoenix.bmp", 24, 20, 8, 13, phoenix},
        {nest_image, "image\\nest.bmp", 24, 20, 8, 8, nest},
        {sam_image, "image\\sam.bmp", 16, 16, 8, 8, sam},
        {puff_image, "image\\puff.bmp", 16, 16, 8, 32, puff},
        {burst_image, "image\\burst.bmp", 40, 40, 8, 24, burst},
        {fencer_image, "image\\fencer.bmp", 24, 24, 8, 64, blade},
        {gather_image, "image\\gather.bmp", 16, 16, 8, 32, spindle},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
