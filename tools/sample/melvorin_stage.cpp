#include "tools/sample/melvorin_stage.h"

#include "play/stage_events.h"
#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t explosion_image = 19;
constexpr int32_t hidden = -1;
constexpr int32_t core_image = 200;
constexpr int32_t cover_image = 201;
constexpr int32_t ref_laser_image = 202;
constexpr int32_t big_laser_image = 203;
constexpr int32_t missile_image = 204;
constexpr int32_t segment_image = 205;
constexpr int32_t charge_image = 206;
constexpr int32_t spark_image = 207;

constexpr int32_t boss_type = 338;

// A glowing eye whose iris pulses through 16 patterns.
uint32_t core(double x, double y, int p) {
    const double r = std::hypot(x, y);
    const double pulse = 6 + 3 * std::sin(p * std::numbers::pi / 8);
    if (r < pulse) {
        return r < 3 ? 0xFFFFFF : 0xFF3060;
    }
    return r < 14 ? (r < 11 ? 0x802040 : 0x403050) : sheet_key_colour;
}

// An armoured ring whose eight plates turn with the core.
uint32_t cover(double x, double y, int p) {
    const double r = std::hypot(x, y);
    const double a = std::atan2(y, x) + p * std::numbers::pi / 32;
    const bool seam = std::fmod(std::fabs(a) + 8 * std::numbers::pi, std::numbers::pi / 4) < 0.15;
    return r >= 15 && r < 20 && !seam ? (r < 17 ? 0x8090A0 : 0x505868) : sheet_key_colour;
}

// A short bar slanting down-left (pattern 0) or up-left (pattern 1).
uint32_t ref_laser(double x, double y, int p) {
    const double along = p == 0 ? x - y : x + y;
    const double across = p == 0 ? x + y : x - y;
    return std::fabs(across) < 1.6 && std::fabs(along) < 10 ? (std::fabs(across) < 0.8 ? 0xFFFFFF : 0x60FF80)
                                                            : sheet_key_colour;
}

// The beam's far end (0), middle (1) and the part nearest the core (2).
uint32_t big_laser(double x, double y, int p) {
    const double half = p == 0 ? 6 * (x + 16) / 32 : (p == 2 ? 7 + std::sin(x / 3) : 6);
    if (std::fabs(y) > half) {
        return sheet_key_colour;
    }
    return std::fabs(y) < half / 2 ? 0xFFFFFF : 0x40C0FF;
}

uint32_t missile(double x, double y, int p) {
    const double r = std::hypot(x, y);
    return r < 2 ? 0xFFFFA0 : (r < 3.5 + (p % 4) / 3.0 ? 0xFF8040 : sheet_key_colour);
}

uint32_t segment(double x, double y, int) {
    return std::hypot(x, y) < 3.5 ? 0xC080FF : sheet_key_colour;
}

// The charge's four sizes.
uint32_t charge(double x, double y, int p) {
    const double r = std::hypot(x, y);
    const double size = 4 + 3.5 * p;
    return r < size ? (r < size / 2 ? 0xFFFFFF : 0x80E0FF) : sheet_key_colour;
}

uint32_t spark(double x, double y, int p) {
    return std::hypot(x, y) < 3.5 - p * 0.7 ? 0xC0F0FF : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> melvorin_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {339, 24, 24, 300, 4, 50000, core_image, 0, 0}, // core
        {340, 40, 40, 1, 0, 0, cover_image, 1, 0},      // core cover: drawn, never hit
        {341, 32, 32, 4, 0, 0, charge_image, 0, -1},    // charge
        {342, 8, 8, 4, 0, 0, spark_image, 0, -1},       // charge spark
        {343, 8, 8, 1, 2, 0, missile_image, 0, 0},      // core missile
        {344, 32, 12, 1, 4, 0, big_laser_image, 0, -1}, // big laser segment
        {345, 16, 6, 1, 2, 0, ref_laser_image, 0, -1},  // reflecting laser
        {346, 6, 6, 1, 2, 0, segment_image, 0, -1},     // bending laser segment
        {29, 16, 16, 8, 0, 0, explosion_image, 0, -1},  // muzzle flash
        {65, 16, 16, 8, 0, 0, explosion_image, 0, 0},   // death blasts
        {66, 16, 16, 8, 0, 0, explosion_image, 0, 0},   {67, 16, 16, 8, 0, 0, explosion_image, 0, 0},
        {86, 16, 16, 8, 0, 0, explosion_image, 0, 0},
    };
}

std::vector<stage_group_t> melvorin_groups() {
    // x is the frame's left end: the core docks 96 pixels further right. The core's death lets go of the
    // hold; the next pixel holds the stage again, so that the body's death sequence plays on screen and
    // its end lets the stage go on to its close.
    return {{"final boss",
             {place(boss_type, 0, 32, 128, 0, hidden)},
             {{stage_event::scroll_stop, 0, 0, 1}, {stage_event::scroll_stop, 0, 1, 1}}}};
}

bool add_melvorin_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {core_image, "image\\lastcore.bmp", 32, 32, 8, 16, core},
        {cover_image, "image\\lastcover.bmp", 40, 40, 8, 16, cover},
        {ref_laser_image, "image\\reflaser.bmp", 24, 24, 8, 2, ref_laser},
        {big_laser_image, "image\\biglaser.bmp", 32, 16, 8, 3, big_laser},
        {missile_image, "image\\coremissile.bmp", 8, 8, 8, 32, missile},
        {segment_image, "image\\bendlaser.bmp", 8, 8, 8, 1, segment},
        {charge_image, "image\\charge.bmp", 32, 32, 8, 4, charge},
        {spark_image, "image\\chargespark.bmp", 8, 8, 8, 4, spark},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
