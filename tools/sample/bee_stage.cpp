#include "tools/sample/bee_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t explosion_image = 19;
constexpr int32_t bee_image = 380;
constexpr int32_t wing_image = 381;
constexpr int32_t ball_image = 382;
constexpr int32_t escort_image = 383;
constexpr int32_t boss_image = 384;
constexpr int32_t boss_wing_image = 385;
constexpr int32_t laser_image = 386;
constexpr int32_t tail_image = 387;
constexpr double pi = std::numbers::pi;

// A striped bee nosed left: patterns 0..3 tilt its nose up, 4..7 flush it red when hurt, 8..16 turn it
// belly up as it falls.
uint32_t bee(double x, double y, int p) {
    const double tilt = (p < 8 ? (p & 3) - 1.5 : 0) * 0.15;
    const double yy = p >= 8 ? -(y - (p - 8) * 0.2) : y + x * tilt;
    if (std::hypot(x / 7.0, yy / 4.5) > 1) {
        return sheet_key_colour;
    }
    if (x < -4 && std::fabs(yy + 1) < 1) {
        return 0x101010; // eye
    }
    const bool stripe = int(std::floor((x + 8) / 3)) % 2 == 0;
    if (p >= 4 && p < 8) {
        return stripe ? 0xFF6040 : 0x602010;
    }
    return stripe ? 0xF0C020 : 0x302010;
}

// A pale wing, up (0) or down (1).
uint32_t wing(double x, double y, int p) {
    const double lift = p == 0 ? -2 : 2;
    return std::hypot(x / 6.0, (y - lift) / 3.0) < 1 ? 0xD0F0FF : sheet_key_colour;
}

// A round ball with a bright spot toward its direction (64 patterns).
uint32_t ball(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r > 3.5) {
        return sheet_key_colour;
    }
    const double a = p * pi / 32;
    return std::hypot(x - 2 * std::cos(a), y + 2 * std::sin(a)) < 1.3 ? 0xFFFFFF : 0xFF80C0;
}

// The escort: a violet bee, tilted by its 8 patterns.
uint32_t escort(double x, double y, int p) {
    const double yy = y + x * (p - 3.5) * 0.05;
    if (std::hypot(x / 8.0, yy / 5.0) > 1) {
        return sheet_key_colour;
    }
    return int(std::floor((x + 9) / 3)) % 2 == 0 ? 0xB080FF : 0x302040;
}

// The mid-boss: a big bee with a sting to the lower left, its body raised by patterns 0..7.
uint32_t boss(double x, double y, int p) {
    const double yy = y + (p - 3) * 0.8;
    const double body = std::hypot((x - 4) / 28.0, yy / 16.0);
    if (body < 1) {
        if (x < -14 && std::fabs(yy + 4) < 2.5) {
            return 0xFF2020; // eye
        }
        return int(std::floor((x + 40) / 6)) % 2 == 0 ? 0xE0A010 : 0x403010;
    }
    const double along = -(x + 18) * 0.7 - (yy - 14) * 0.7; // the sting points down-left
    const double across = (x + 18) * 0.7 - (yy - 14) * 0.7;
    return along > 0 && along < 10 && std::fabs(across) < 2.5 - along * 0.25 ? 0x808080 : sheet_key_colour;
}

// The mid-boss's wing, up (0) or down (1).
uint32_t boss_wing(double x, double y, int p) {
    const double lift = p == 0 ? -6 : 6;
    return std::hypot(x / 20.0, (y - lift) / 9.0) < 1 ? 0xC0E8FF : sheet_key_colour;
}

// A dot of the reflecting laser.
uint32_t laser_dot(double x, double y, int) {
    const double r = std::hypot(x, y);
    return r < 3 ? (r < 1.5 ? 0xFFFFFF : 0x40FFA0) : sheet_key_colour;
}

// A tail laser's bar, its head (0) longest and brightest.
uint32_t tail(double x, double y, int p) {
    return std::fabs(x) < 6 - p && std::fabs(y) < 2 ? (p == 0 ? 0xFFFFFF : 0xFF60A0) : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> bee_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {220, 16, 12, 16, 1, 300, bee_image, 0, 0},    // bee001: its wing breaks below 10
        {221, 12, 8, 1, 0, 50, wing_image, 2, 0},      // its wing, drawn above it
        {222, 6, 6, 1, 1, 10, ball_image, 0, 0},       // ball
        {223, 8, 8, 4, 0, 0, explosion_image, 0, -1},  // ball explosion
        {59, 16, 16, 8, 0, 0, explosion_image, 0, 0},  // bee body explosion
        {70, 24, 24, 8, 0, 0, explosion_image, 0, 0},  // the mid-boss's big death blasts
        {225, 16, 12, 12, 1, 500, escort_image, 0, 0}, // bee002 escort
        {226, 12, 8, 1, 0, 0, wing_image, 2, 0},
        {227, 6, 6, 1, 1, 10, ball_image, 0, 0},
        {229, 56, 32, 900, 2, 20000, boss_image, 0, 0}, // bee003: dies below 500
        {230, 40, 20, 1, 0, 0, boss_wing_image, 2, 0},
        {231, 4, 4, 1, 1, 0, laser_image, 0, -1}, // reflecting laser, head and segments
        {232, 6, 6, 1, 1, 10, ball_image, 0, 0},
        {233, 8, 8, 4, 0, 0, explosion_image, 0, -1},
        {236, 10, 4, 1, 1, 0, tail_image, 0, -1}, // tail laser
    };
}

std::vector<stage_group_t> bee_groups() {
    return {
        {"bee001 pair", {place(219, 0, enter_x, 96, 0, 39), place(219, 0, enter_x + 8, 104)}}, // flying close
        {"bee001 low", {place(219, 0, enter_x, 150)}},
        {"bee001 high", {place(219, 0, enter_x, 80)}},
        {"bee003", {place(228, 0, 0, 300)}}, // holds the section until it leaves or dies
    };
}

bool add_bee_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {bee_image, "image\\bee.bmp", 20, 14, 8, 17, bee},
        {wing_image, "image\\bee_wing.bmp", 14, 10, 2, 2, wing},
        {ball_image, "image\\bee_ball.bmp", 8, 8, 8, 64, ball},
        {escort_image, "image\\bee002.bmp", 20, 14, 8, 8, escort},
        {boss_image, "image\\bee003.bmp", 64, 40, 8, 8, boss},
        {boss_wing_image, "image\\bee003_wing.bmp", 44, 28, 2, 2, boss_wing},
        {laser_image, "image\\bee_laser.bmp", 8, 8, 1, 1, laser_dot},
        {tail_image, "image\\bee_tail.bmp", 12, 6, 4, 4, tail},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
