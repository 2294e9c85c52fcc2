#include "tools/sample/mothership_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr int32_t explosion_image = 19;

// A long hull nosed left with a bridge on top, engine glow at the stern and a row of lit ports.
uint32_t carrier(double x, double y, int) {
    const double half = 14 - std::fabs(x) * 0.08;
    if (x > -62 && x < 60 && std::fabs(y - 4) < half) {
        if (std::fabs(y - 4) < 1.2 && std::fmod(std::fabs(x), 8) < 3) {
            return 0xFFE0A0;
        }
        return y > 10 ? 0x505868 : 0x8890A8;
    }
    if (x > 10 && x < 34 && y > -18 && y <= -8) {
        return 0x707890;
    }
    if (x >= 60 && x < 64 && std::fabs(y - 4) < 6) {
        return 0x60C0FF;
    }
    return sheet_key_colour;
}

// A white band across the screen that thickens with each row of patterns.
uint32_t flash(double, double y, int p) {
    const double half = 1 + (p / 8) * 0.5;
    return std::fabs(y) < half ? 0xFFFFFF : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> mothership_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {347, 120, 32, 1, 0, 20000, mothership_image, 0, 0},
        {348, 8, 8, 32, 0, 0, explosion_image, 0, -1}, // beam segment
        {349, 256, 16, 1, 0, 0, horzflash_image, 2, 0},
    };
}

std::vector<stage_group_t> mothership_groups() {
    // Torn apart in the distance, explosions scattered over the top and the bottom.
    return {{"mothership", {place(347, 0, 176, 72), place(91, 0, 0, 0)}}};
}

bool add_mothership_sprites(const std::string& root, std::vector<sprite_record_t>& table,
                            std::string& error) {
    const sheet_sprite_t sprites[] = {
        {mothership_image, "image\\mothership.bmp", 128, 40, 8, 1, carrier},
        {horzflash_image, "image\\horzflash.bmp", 256, 16, 8, 128, flash},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
