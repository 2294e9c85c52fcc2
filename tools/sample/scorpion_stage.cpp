#include "tools/sample/scorpion_stage.h"

#include "tools/sample/picture_sheet.h"
#include "tools/sample/stage_files.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int32_t hidden = -1;
constexpr int32_t explosion_image = 19;
constexpr int32_t chest_image = 460;
constexpr int32_t head_image = 461;
constexpr int32_t eye_image = 462;
constexpr int32_t segment_image = 463;
constexpr int32_t sting_image = 464;
constexpr int32_t arm_image = 465;
constexpr int32_t hand_image = 466;
constexpr int32_t foot_image = 467;
constexpr int32_t leg_image = 468;
constexpr int32_t ball_image = 469;
constexpr int32_t fan_image = 470;
constexpr int32_t bolt_image = 471;
constexpr int32_t homer_image = 472;
constexpr int32_t spark_image = 473;
constexpr double pi = std::numbers::pi;

// A plated shell, darker at its rim.
uint32_t chest(double x, double y, int) {
    const double r = std::hypot(x / 24.0, y / 16.0);
    if (r > 1) {
        return sheet_key_colour;
    }
    return std::fmod(std::fabs(x) + 40, 10) < 1.5 ? 0x603010 : (r > 0.8 ? 0x804020 : 0xB06030);
}

// A head looking left; cells 24 to 31 open the jaw wider.
uint32_t head(double x, double y, int p) {
    const double gape = p >= 24 ? (p - 23) * 0.12 : 0.0;
    if (std::hypot(x / 12.0, y / 9.0) > 1) {
        return sheet_key_colour;
    }
    if (x < 0 && std::fabs(y - 3) < gape * -x * 0.5) {
        return 0x200000;
    }
    return 0xC07040;
}

// An eye whose lid opens with the cell.
uint32_t eye(double x, double y, int p) {
    const double r = std::hypot(x, y);
    if (r > 4) {
        return sheet_key_colour;
    }
    return std::fabs(y) < p * 0.6 ? (r < 1.5 ? 0x000000 : 0xFFE020) : 0x804020;
}

// A round joint with a ridge along its direction.
uint32_t segment(double x, double y, int p) {
    if (std::hypot(x, y) > 7) {
        return sheet_key_colour;
    }
    const double a = p * pi / 32;
    const double across = x * std::sin(a) + y * std::cos(a);
    return std::fabs(across) < 1.5 ? 0xE0A060 : 0xA05028;
}

// A hooked spike pointing along its direction.
uint32_t sting(double x, double y, int p) {
    const double a = p * pi / 32;
    const double along = x * std::cos(a) - y * std::sin(a);
    const double across = x * std::sin(a) + y * std::cos(a);
    return along > -6 && along < 8 && std::fabs(across) < (8 - along) * 0.35 ? 0xF0E0A0 : sheet_key_colour;
}

uint32_t arm(double x, double y, int p) {
    return std::hypot(x, y) < 3 + p * 0.6 ? 0xA05028 : sheet_key_colour;
}

// A pincer open to the left.
uint32_t hand(double x, double y, int) {
    if (std::hypot(x / 12.0, y / 8.0) > 1) {
        return sheet_key_colour;
    }
    return x < -2 && std::fabs(y) < 2 ? sheet_key_colour : 0xC06030;
}

uint32_t foot(double x, double y, int) {
    return std::fabs(x) < 3 + y * 0.3 && std::fabs(y) < 5 ? 0x603010 : sheet_key_colour;
}

uint32_t leg(double x, double y, int) {
    return std::hypot(x, y) < 2.5 ? 0x905030 : sheet_key_colour;
}

uint32_t ball(double x, double y, int) {
    const double r = std::hypot(x, y);
    return r < 4 ? (r < 2 ? 0xFFFFC0 : 0x80FF40) : sheet_key_colour;
}

uint32_t fan(double x, double y, int) {
    return std::hypot(x, y) < 2.5 ? 0xFF60FF : sheet_key_colour;
}

uint32_t bolt(double x, double y, int) {
    return std::hypot(x, y) < 3 ? 0xFFFFFF : (std::hypot(x, y) < 4 ? 0x40C0FF : sheet_key_colour);
}

uint32_t homer(double x, double y, int) {
    return std::hypot(x, y) < 2.5 ? 0x60FF60 : sheet_key_colour;
}

uint32_t spark(double x, double y, int p) {
    return std::hypot(x, y) < 3 - p * 0.5 ? 0xFFFF80 : sheet_key_colour;
}

} // namespace

std::vector<objectinfo_t> scorpion_records() {
    // id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
    return {
        {295, 8, 8, 1, 0, 0, eye_image, 0, 0},
        {296, 20, 16, 160, 1, 20000, head_image, 0, 0}, // the weak point
        {297, 40, 28, 1, 1, 0, chest_image, 0, 0},
        {298, 12, 12, 1, 1, 0, segment_image, 0, 0},
        {299, 8, 8, 1, 1, 0, arm_image, 0, 0},
        {300, 20, 14, 1, 1, 0, hand_image, 0, 0},
        {301, 8, 10, 1, 1, 0, foot_image, 0, 0},
        {302, 4, 4, 1, 1, 0, leg_image, 0, 0},
        {303, 12, 12, 1, 1, 0, segment_image, 0, 0},
        {304, 14, 14, 1, 1, 0, sting_image, 0, 0},
        {305, 8, 8, 2, 1, 100, ball_image, 0, 0},
        {306, 16, 16, 8, 0, 0, explosion_image, 0, 0},
        {307, 4, 4, 1, 1, 0, fan_image, 0, 0},
        {308, 6, 6, 1, 1, 0, bolt_image, 0, 0},
        {309, 4, 4, 1, 1, 0, homer_image, 0, 0},
        {310, 6, 6, 4, 0, 0, spark_image, 0, -1},
        // The hand lasers and their muzzle flashes are records 327 and 333, which boss006 writes.
    };
}

std::vector<stage_group_t> scorpion_groups() {
    // Holds the stage behind the armoured boss, two spiders ahead of it.
    return {{"scorpion", {place(294, 0, enter_x + 64, 150, 0, hidden)}}};
}

bool add_scorpion_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const sheet_sprite_t sprites[] = {
        {chest_image, "image\\scorpion_chest.bmp", 48, 32, 1, 1, chest},
        {head_image, "image\\scorpion_head.bmp", 24, 20, 8, 32, head},
        {eye_image, "image\\scorpion_eye.bmp", 8, 8, 8, 8, eye},
        {segment_image, "image\\scorpion_segment.bmp", 16, 16, 8, 64, segment},
        {sting_image, "image\\scorpion_sting.bmp", 16, 16, 8, 64, sting},
        {arm_image, "image\\scorpion_arm.bmp", 12, 12, 6, 6, arm},
        {hand_image, "image\\scorpion_hand.bmp", 24, 16, 1, 1, hand},
        {foot_image, "image\\scorpion_foot.bmp", 10, 12, 8, 9, foot},
        {leg_image, "image\\scorpion_leg.bmp", 6, 6, 1, 1, leg},
        {ball_image, "image\\scorpion_ball.bmp", 8, 8, 1, 1, ball},
        {fan_image, "image\\scorpion_fan.bmp", 6, 6, 1, 1, fan},
        {bolt_image, "image\\scorpion_bolt.bmp", 8, 8, 1, 1, bolt},
        {homer_image, "image\\scorpion_homer.bmp", 6, 6, 1, 1, homer},
        {spark_image, "image\\scorpion_spark.bmp", 6, 6, 4, 4, spark},
    };
    return add_sheet_sprites(root, table, sprites, error);
}
