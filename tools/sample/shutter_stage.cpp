#include "tools/sample/shutter_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr int32_t floor_y = 192;
constexpr int32_t roof_y = 48;

// A frame whose two leaves part from the middle over 16 patterns.
uint32_t shutter(double x, double y, int p) {
    if (std::fabs(x) > 15.5 || std::fabs(y) > 15.5) {
        return sheet_key_colour;
    }
    if (std::fabs(x) > 13 || std::fabs(y) > 13) {
        return 0x707070;
    }
    if (std::fabs(y) < p * 13.0 / 15) {
        return sheet_key_colour;
    }
    return int(std::floor(y + 16)) % 4 == 0 ? 0x504030 : 0xA08050;
}

// Slats with a heavier edge on the end that leads: patterns 0 and 2 unroll downward, 1 and 3 upward.
uint32_t slat(double x, double y, int p) {
    if (std::fabs(x) > 7.5 || std::fabs(y) > 7.5) {
        return sheet_key_colour;
    }
    const bool leading = (p % 2 == 0 ? y > 5 : y < -5);
    if (p < 2 && leading) {
        return 0xE0C040;
    }
    return int(std::floor(y + 8)) % 4 == 0 ? 0x505868 : 0x8890A0;
}

// A heavy door half with hazard stripes on the edge that meets the other half.
uint32_t gate(double x, double y, int p) {
    if (std::fabs(x) > 7.5 || std::fabs(y) > 31.5) {
        return sheet_key_colour;
    }
    const bool edge = p == 0 ? y > 26 : y < -26;
    if (edge) {
        return int(std::floor(x + y + 64)) % 6 < 3 ? 0xF0D000 : 0x202020;
    }
    return std::fabs(x) > 6 ? 0x404048 : 0x707880;
}

} // namespace

std::vector<objectinfo_t> shutter_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {178, 32, 32, 1, 1, 0, shutter_image, 0, 0}, // shutter001
        {179, 16, 16, 1, 1, 0, slat_image, 0, 0},    // shutter002's slats
        {180, 16, 16, 1, 1, 0, slat_image, 0, 0},    // and its body
        {187, 16, 64, 1, 1, 0, gate_image, 0, 0},    // shutter003's halves
        {188, 16, 64, 1, 1, 0, gate_image, 0, 0},
    };
}

std::vector<stage_group_t> shutter_groups() {
    return {
        {"shutter001", {place(178, 0, enter_x, 120, 4)}}, // opening and closing
        {"shutter001 slow", {place(178, 0, enter_x, 88, 10)}},
        {"slats falling", {place(181, 0, enter_x, roof_y - 24, 96)}}, // fast from the ceiling
        {"slats falling slowly", {place(183, 0, enter_x, roof_y - 24, 64)}},
        {"slats falling fast", {place(185, 0, enter_x, roof_y - 24, 112)}},
        {"slats rising", {place(182, 0, enter_x, floor_y + 24, 72)}},
        {"slats rising slowly", {place(184, 0, enter_x, floor_y + 24, 80)}},
        {"slats rising fast", {place(186, 0, enter_x, floor_y + 24, 96)}},
        {"gate", {place(187, 0, enter_x, 96), place(188, 0, enter_x, 160)}}, // opens as the ship nears
    };
}

bool add_shutter_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {shutter_image, "image\\shutter.bmp", 32, 32, 8, 16, shutter},
        {slat_image, "image\\slat.bmp", 16, 16, 8, 4, slat},
        {gate_image, "image\\gate.bmp", 16, 64, 8, 2, gate},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
