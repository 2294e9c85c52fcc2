#include "objects/explosion.h"
#include "objects/missile.h"
#include "objects/objectinfo.h"
#include "objects/star.h"
#include "play/stage.h"

namespace {

constexpr int32_t common_shot_record = 17;
constexpr int32_t spark_record = 92;
constexpr int32_t star_record = 94;

// Every spark points back toward -x, within 8 steps of straight back.
constexpr int32_t spark_direction_offsets[32] = {-7, 1,  -5, 4, 8,  -4, 2, -6, 3,  -3, -1, 7, -8, -2, 5,  6,
                                                 3,  -6, -3, 2, -1, 8,  7, 4,  -8, -5, 6,  1, 5,  -2, -4, -7};

struct star_group_t {
    float v_factor; // the horizontal factor is always -2 times this
    int32_t pattern;
    const uint8_t* xs;
    const uint8_t* ys;
    int32_t count;
};

constexpr uint8_t first_x[20] = {23, 9,   84,  224, 184, 106, 116, 241, 84, 178,
                                 36, 181, 111, 127, 108, 162, 251, 7,   75, 210};
constexpr uint8_t first_y[20] = {20,  61,  17,  5,   48,  78,  85,  80,  126, 110,
                                 153, 150, 165, 170, 182, 196, 193, 242, 227, 245};
constexpr uint8_t second_x[16] = {2, 126, 209, 54, 36, 78, 150, 200, 190, 226, 218, 77, 60, 18, 145, 183};
constexpr uint8_t second_y[16] = {5, 33, 21, 67, 103, 101, 102, 110, 128, 120, 135, 148, 166, 208, 230, 225};
constexpr uint8_t fourth_x[8] = {36, 183, 242, 4, 132, 106, 160, 237};
constexpr uint8_t fourth_y[8] = {9, 23, 42, 116, 135, 200, 170, 245};

// The third group takes the first table with its rows exchanged.
const star_group_t star_groups[4] = {
    {0.2f, 3, first_x, first_y, 20},
    {0.25f, 2, second_x, second_y, 16},
    {0.5f, 1, first_y, first_x, 20},
    {0.75f, 0, fourth_x, fourth_y, 8},
};

} // namespace

void stage_t::create_missile_pool(int32_t count, int32_t loop) {
    const objectinfo_t* record = objectinfo_find(common_shot_record);
    if (record == nullptr) {
        return;
    }
    for (int32_t i = 0; i < count; ++i) {
        if (loop == 1) {
            shot_pool.push_back(new common_missile1_t(record, 0));
        } else {
            shot_pool.push_back(new common_missile2_t(record, 0));
        }
    }
}

void stage_t::create_spark_pool(int32_t count) {
    const objectinfo_t* record = objectinfo_find(spark_record);
    if (record == nullptr) {
        return;
    }
    for (int32_t i = 0; i < count; ++i) {
        const int32_t k = i % 3;
        auto* spark = new hit_spark_t(record, 0);
        spark->start_speed = k * 0.6 + 2.0;
        spark->direction = (spark_direction_offsets[i % 32] + 32) & 63;
        spark->period = uint32_t(k + 5);
        spark_pool.push_back(spark);
    }
}

void stage_t::create_star_field() {
    const objectinfo_t* record = objectinfo_find(star_record);
    if (record == nullptr) {
        return;
    }
    for (const star_group_t& group : star_groups) {
        for (int32_t i = 0; i < group.count; ++i) {
            auto* star = new star_t(record, float(group.xs[i]), float(group.ys[i]));
            stars.push_back(star);
            star->v_factor = group.v_factor;
            star->h_factor = -2 * group.v_factor;
            star->pattern = group.pattern;
        }
    }
}
