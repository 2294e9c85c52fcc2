#include "tools/sample/tentacle_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr int32_t explosion_image = 19;
constexpr int32_t tentacle = 254;
constexpr int32_t floor_y = 200;
constexpr int32_t roof_y = 40;
constexpr int32_t up = 16;
constexpr int32_t down = 48;

uint32_t core(double x, double y, int) {
    const double r = std::hypot(x, y);
    return r < 4 ? 0xF0E060 : (r < 11 ? 0x806020 : sheet_key_colour);
}

// A ring whose bright notch points along the cell's direction (0 right, counter-clockwise).
uint32_t jointed(double x, double y, int p, double size, uint32_t colour) {
    const double r = std::hypot(x, y);
    if (r > size) {
        return sheet_key_colour;
    }
    const double a = p * 3.14159265 / 32;
    const double along = x * std::cos(a) - y * std::sin(a);
    return along > size * 0.4 && r > size * 0.5 ? 0xFFF0C0 : colour;
}

uint32_t seg(double x, double y, int p) {
    return jointed(x, y, p, 7, 0x60A040);
}

uint32_t hand(double x, double y, int p) {
    return jointed(x, y, p, 7.5, 0xC04080);
}

uint32_t spore(double x, double y, int) {
    return std::hypot(x, y) < 2.8 ? 0xE0A0F0 : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> tentacle_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {53, 8, 8, 4, 0, 0, explosion_image, 0, 0},
        {255, 14, 14, 10, 1, 100, tentacle_seg_image, 0, 0},
        {256, 16, 16, 16, 1, 800, tentacle_hand_image, 0, 0},
        {257, 22, 22, 40, 1, 1500, tentacle_core_image, 0, 0},
        {258, 6, 6, 1, 1, 10, tentacle_spore_image, 0, 0},
    };
}

std::vector<stage_group_t> tentacle_groups() {
    return {
        {"tentacle hanging", {place(tentacle, 0, enter_x, roof_y, down, 40)}},
        {"tentacle rising", {place(tentacle, 0, enter_x, floor_y, up)}},
    };
}

bool add_tentacle_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {tentacle_core_image, "image\\tentcore.bmp", 24, 24, 1, 1, core},
        {tentacle_seg_image, "image\\tentseg.bmp", 16, 16, 8, 64, seg},
        {tentacle_hand_image, "image\\tenthand.bmp", 16, 16, 8, 64, hand},
        {tentacle_spore_image, "image\\tentspor.bmp", 8, 8, 1, 1, spore},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
