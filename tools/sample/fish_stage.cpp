#include "tools/sample/fish_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

// A plated hull nosed left, its gun ports under the snout and a forked tail where the jets burn.
uint32_t fish(double x, double y, int) {
    if (std::hypot(x + 22, y + 1) < 2.5) {
        return 0xFFE040; // the eye over the fan's muzzle
    }
    if (std::hypot(x / 30, y / 13) < 1) {
        if (x < -18 && std::fabs(y - 4) < 1.5) {
            return 0x202830; // the volley's mouth
        }
        return std::fmod(std::fabs(x) + 40, 8) < 1 ? 0x406070 : (y < 0 ? 0x70A0B8 : 0x507890);
    }
    if (x > 24 && x < 36 && std::fabs(y) < (x - 20) * 0.9 && std::fabs(y) > (x - 28)) {
        return 0x386070; // the tail fin
    }
    return sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> fish_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {{167, 56, 24, 160, 1, 5000, fish_image, 0, 0}};
}

std::vector<stage_group_t> fish_groups() {
    return {{"fish", {place(167, 0, enter_x + 16, 150, 0, 40)}}}; // low, under anything hanging there
}

bool add_fish_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {{fish_image, "image\\fish.bmp", 72, 32, 1, 1, fish}};
    return add_sheet_sprites(root, table, sprites, error);
}
