#include "tools/sample/hopper_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr int32_t floor_y = 192;

// A squat body on two legs; its eye shows where it faces, the legs fold as it crouches, and a gun
// barrel rises with the raised cells.
uint32_t hopper(double x, double y, int p) {
    const bool left = (p >= 8 && p < 24) || (p >= 48 && p < 64) || p >= 80;
    const double crouch = (p >= 32 && p < 64) ? ((p - 32) % 16) * 0.3 : 0;
    if (p >= 64) {
        const int32_t d = p < 80 ? p - 63 : 111 - p;
        const double a = d * 3.14159265 / 32;
        const double along = x * std::cos(a) - y * std::sin(a);
        const double across = x * std::sin(a) + y * std::cos(a);
        if (along > 0 && along < 7.5 && std::fabs(across) < 1.2) {
            return 0x303030;
        }
    }
    if (std::hypot(x, (y + 1 - crouch) * 1.4) < 6) {
        return std::fabs(x - (left ? -3 : 3)) < 1.2 && std::fabs(y + 2 - crouch) < 1.2 ? 0xFFFFFF : 0xC06020;
    }
    if (y > 4 && y < 7.5 - crouch && (std::fabs(x - 3) < 1 || std::fabs(x + 3) < 1)) {
        return 0x804010;
    }
    return sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> hopper_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {{169, 16, 16, 6, 1, 400, hopper_image, 0, 0}};
}

std::vector<stage_group_t> hopper_groups() {
    return {
        {"hopper", {place(169, 0, enter_x, floor_y - 12, 0, 40)}}, // on the floor
        {"hopper plain", {place(169, 0, enter_x, floor_y - 12)}},
    };
}

bool add_hopper_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {{hopper_image, "image\\hopper.bmp", 16, 16, 8, 96, hopper}};
    return add_sheet_sprites(root, table, sprites, error);
}
