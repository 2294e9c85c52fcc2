#include "tools/sample/rotator_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

// A sheet point (x, y) turned back by the angle of pattern p of n per circle; the game's directions turn
// from right toward up on screen, against the sheet's y.
void unturn(double x, double y, int p, int n, double& u, double& v) {
    const double a = 2 * pi * p / n;
    u = x * std::cos(a) - y * std::sin(a);
    v = x * std::sin(a) + y * std::cos(a);
}

// A dart whose nose points along direction p.
uint32_t hull(double x, double y, int p) {
    double u;
    double v;
    unturn(x, y, p, 64, u, v);
    if (u < -6 || u > 7 || std::fabs(v) > (7 - u) * 0.45) {
        return sheet_key_colour;
    }
    return u > 3 ? 0xF0E060 : 0x6080C0;
}

// A hub with four spokes, a quarter turn over the 16 patterns.
uint32_t cross(double x, double y, int p) {
    double u;
    double v;
    unturn(x, y, p, 64, u, v);
    if (u * u + v * v < 25) {
        return 0xC04040;
    }
    if ((std::fabs(u) < 2 && std::fabs(v) < 11) || (std::fabs(v) < 2 && std::fabs(u) < 11)) {
        return 0x909090;
    }
    return sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> rotator_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    return {
        {131, 14, 14, 3, 1, 200, rotator_image, 0, 0}, // rotator001
        {132, 14, 14, 4, 1, 300, rotator_image, 0, 0}, // rotator002
        {133, 14, 14, 2, 1, 150, rotator_image, 0, 0}, // rotator003
        {135, 14, 14, 6, 1, 400, rotator_image, 0, 0}, // rotator004
        {136, 24, 24, 10, 1, 500, cross_image, 0, 0},  // rotator005
        {138, 24, 24, 1, 1, 0, cross_image, 0, 0},     // rotator006's hub
        {139, 12, 12, 1, 1, 0, rotator_image, 0, 0},   // and its arms
    };
}

std::vector<stage_group_t> rotator_groups() {
    return {
        {"rotator001", {place(131, 0, enter_x, 96, 0, 38)}}, // a dasher
        {"rotator002", {place(132, 0, enter_x, 64, 0, 39)}}, // a jet dasher
        {"rotator003", {place(133, 0, enter_x, 200)}},       // a lone launcher
        {"rotator003 squad", {place(134, 0, 0, 0, 0, 37)}},  // a launcher squad
        {"rotator004", {place(135, 0, enter_x + 16, 88)}},   // a shielded fan attacker
        {"rotator005 low", {place(136, 0, enter_x, 176)}},   // a cross turret
        {"rotator005 high", {place(136, 0, enter_x, 80)}},
        {"rotator006", {place(137, 0, enter_x + 24, 128)}}, // a turning cross of arms
    };
}

bool add_rotator_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {rotator_image, "image\\rotator.bmp", 16, 16, 8, 64, hull},
        {cross_image, "image\\rotator_cross.bmp", 24, 24, 8, 16, cross},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
