#include "tools/sample/emplacement_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>

namespace {

constexpr int32_t explosion_image = 19;
constexpr int32_t floor_y = 192;
constexpr int32_t roof_y = 48;

// Unit vectors of the four facings, y down.
constexpr double facing_x[4] = {1, 0, -1, 0};
constexpr double facing_y[4] = {0, -1, 0, 1};

// A pod with a stubby barrel along its facing (pattern >> 3) and a light that runs round it.
uint32_t pod(double x, double y, int p) {
    const int f = p >> 3;
    const double along = x * facing_x[f] + y * facing_y[f];
    const double across = std::fabs(x * facing_y[f] - y * facing_x[f]);
    if (along > 2 && along < 8 && across < 1.5) {
        return 0xD0D0D0;
    }
    const double r = std::hypot(x, y);
    if (r >= 6) {
        return sheet_key_colour;
    }
    const double a = std::atan2(y, x) / (2 * M_PI) * 8;
    return r > 4 && int(std::floor(a + 8)) % 8 == p % 8 ? 0xFFE040 : 0x607090;
}

uint32_t column(double x, double y, int) {
    if (std::fabs(x) > 7.5) {
        return sheet_key_colour;
    }
    const bool rib = int(std::floor(y + 104)) % 16 < 2;
    return rib ? 0x404850 : std::fabs(x) > 5 ? 0x707880 : 0x9098A0;
}

uint32_t joint(double x, double y, int) {
    const double r = std::hypot(x, y);
    return r < 5 ? 0xC06040 : r < 11 ? 0x808890 : sheet_key_colour;
}

// A square block with a lens on its facing side.
uint32_t emitter(double x, double y, int p) {
    const int f = p & 3;
    const double along = x * facing_x[f] + y * facing_y[f];
    const double across = std::fabs(x * facing_y[f] - y * facing_x[f]);
    if (std::fabs(x) > 7.5 || std::fabs(y) > 7.5) {
        return sheet_key_colour;
    }
    if (along > 4 && across < 3) {
        return 0x40E0FF;
    }
    return std::fabs(x) > 6 || std::fabs(y) > 6 ? 0x505060 : 0x8078A0;
}

// Along the facing of row p >> 3: a bright head, the beam, then a tail that narrows over patterns 2..7.
uint32_t beam(double x, double y, int p) {
    const int f = (p >> 3) & 3;
    const int k = p & 7;
    const double along = x * facing_x[f] + y * facing_y[f];
    const double across = std::fabs(x * facing_y[f] - y * facing_x[f]);
    const double half = k == 0 ? 3.5 : k == 1 ? 2.5 : 2.5 - 0.35 * (k - 1);
    if (std::fabs(along) > 6 || across > half) {
        return sheet_key_colour;
    }
    return across < half / 2 ? 0xFFFFFF : 0x40C0FF;
}

// A beam across the cell, horizontal in row 0 and vertical in row 1, as wide as its extension step.
uint32_t wall_beam(double x, double y, int p) {
    const double across = std::fabs(p >= 8 ? x : y);
    const double half = 0.5 + 0.5 * (p & 7);
    if (across > half) {
        return sheet_key_colour;
    }
    return (p & 7) >= 4 ? (across < half / 2 ? 0xFFFFFF : 0xFF6060) : 0x806060;
}

} // namespace

std::vector<objectinfo_t> emplacement_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {155, 16, 16, 20, 1, 2000, pod_image, 0, 0},     // battery003
        {272, 16, 208, 1, 1, 0, column_image, 0, 0},     // the pole's pieces
        {273, 12, 12, 1, 1, 3000, joint_image, 0, 0},    // its joint, leaving its turret open to shots
        {156, 16, 16, 24, 1, 1500, emitter_image, 0, 0}, // battery004
        {157, 8, 8, 1, 1, 0, beam_image, 0, 0},          // its beam's segments
        {158, 8, 8, 4, 0, 0, explosion_image, 0, -1},    // their muzzle sparks
        {159, 16, 16, 1, 1, 0, emitter_image, 0, 0},     // battery005
        {160, 16, 8, 1, 2, 0, wall_beam_image, 0, -1},   // its horizontal beam
        {161, 8, 16, 1, 2, 0, wall_beam_image, 0, -1},   // and its vertical one
    };
}

std::vector<stage_group_t> emplacement_groups() {
    return {
        {"pole", {place(271, 0, enter_x, 128, 0, 41)}}, // sliding up and down
        {"pole multiple", {place(271, 0, enter_x, 128, 0, 40)}},
        {"battery005 down", {place(162, 0, enter_x, roof_y, 5)}}, // beaming down from the ceiling
        {"battery005 up", {place(163, 0, enter_x, floor_y, 5)}},  // beaming up from the floor
        {"battery005 left", {place(165, 0, enter_x, 120, 6)}},
        {"battery005 right", {place(164, 0, 32, 72, 4)}},           // from behind the ship
        {"battery004 floor", {place(156, 0, enter_x, floor_y, 2)}}, // beaming left along the floor
        {"battery004 roof", {place(156, 0, enter_x, roof_y, 3)}},   // beaming down
    };
}

bool add_emplacement_sprites(const std::string& root, std::vector<sprite_record_t>& table,
                             std::string& error) {
    const sheet_sprite_t sprites[] = {
        {pod_image, "image\\pod.bmp", 16, 16, 8, 32, pod},
        {column_image, "image\\column.bmp", 16, 208, 8, 1, column},
        {joint_image, "image\\joint.bmp", 24, 24, 8, 1, joint},
        {emitter_image, "image\\emitter.bmp", 16, 16, 8, 4, emitter},
        {beam_image, "image\\beam.bmp", 16, 16, 8, 32, beam},
        {wall_beam_image, "image\\wall_beam.bmp", 16, 16, 8, 16, wall_beam},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
