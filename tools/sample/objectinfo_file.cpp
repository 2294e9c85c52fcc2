#include "tools/sample/objectinfo_file.h"

#include "base/binio.h"
#include "tools/sample/stage_files.h"

namespace {

// Sprite-table indices of the sample pictures that objects are drawn with.
constexpr int32_t ship_image = 16;
constexpr int32_t shot_image = 17;
constexpr int32_t enemy_image = 18;
constexpr int32_t explosion_image = 19;
constexpr int32_t item_image = 20;
constexpr int32_t star_image = 21;
constexpr int32_t hidden = -1;

// id, width, height, hit points (effects: patterns), contact damage, score, image, list, blend.
const objectinfo_t records[] = {
    {0, 1, 1, 1, 0, 0, hidden, 0, 0}, // composite explosion
    {1, 8, 4, 1, 1, 0, shot_image, 0, 0},
    {2, 8, 4, 1, 1, 0, shot_image, 0, 0},
    {3, 8, 4, 1, 1, 0, shot_image, 0, 0},
    {4, 8, 8, 1, 2, 0, shot_image, 0, 0},
    {5, 8, 8, 1, 2, 0, shot_image, 0, 0},
    {6, 8, 8, 1, 2, 0, shot_image, 0, 0},
    {7, 8, 8, 1, 2, 0, shot_image, 0, 0},
    {8, 8, 8, 1, 2, 0, shot_image, 0, 0},
    {9, 8, 8, 1, 2, 0, shot_image, 0, 0},
    {10, 8, 8, 1, 2, 0, shot_image, 0, 0},
    {11, 8, 8, 1, 2, 0, shot_image, 0, 0},
    {12, 1, 1, 1, 0, 0, hidden, 0, 0}, // long-laser control
    {13, 16, 4, 1, 1, 0, shot_image, 0, -1},
    {14, 8, 16, 1, 2, 0, shot_image, 0, -1},
    {15, 12, 12, 4, 4, 0, shot_image, 0, 0},
    {16, 8, 8, 1, 1, 0, shot_image, 0, -1},
    {17, 4, 4, 1, 1, 0, shot_image, 0, 0}, // common enemy shot
    {18, 4, 4, 1, 1, 0, shot_image, 0, 0},
    {21, 4, 4, 1, 1, 0, shot_image, 0, 0},
    {34, 16, 16, 1, 0, 100, item_image, 0, 0}, // speed item
    {35, 16, 16, 1, 0, 100, item_image, 0, 0},
    {36, 16, 16, 1, 0, 100, item_image, 0, 0},
    {37, 16, 16, 1, 0, 100, item_image, 0, 0},
    {38, 16, 16, 1, 0, 100, item_image, 0, 0},
    {39, 16, 16, 1, 0, 100, item_image, 0, 0},
    {40, 16, 16, 1, 0, 100, item_image, 0, 0},
    {41, 16, 16, 1, 0, 100, item_image, 0, 0},
    {42, 16, 16, 1, 0, 100, item_image, 0, 0}, // capsule
    {44, 16, 8, 1, 1, 0, ship_image, 0, 0},
    {45, 16, 16, 1, 0, 0, ship_image, 0, -1},  // discharge
    {46, 12, 8, 1, 0, 0, ship_image, 0, 0},    // multiple
    {48, 24, 24, 3, 0, 0, ship_image, 0, 128}, // shield
    {49, 8, 8, 1, 0, 0, ship_image, 0, -1},    // jet
    {50, 16, 16, 8, 0, 0, explosion_image, 0, 0},
    {54, 8, 8, 4, 0, 0, explosion_image, 0, -1},
    {55, 8, 8, 4, 0, 0, explosion_image, 0, -1},
    {56, 8, 8, 4, 0, 0, explosion_image, 0, -1},
    {57, 8, 8, 4, 0, 0, explosion_image, 0, -1},
    {61, 24, 24, 8, 0, 0, explosion_image, 0, 0}, // ship's death explosion
    {62, 8, 8, 4, 0, 0, explosion_image, 0, -1},
    {63, 8, 8, 4, 0, 0, explosion_image, 0, -1},
    {68, 16, 16, 8, 0, 0, explosion_image, 0, 0},
    {71, 16, 16, 8, 0, 0, explosion_image, 0, 0},
    {72, 16, 16, 8, 0, 0, explosion_image, 0, 0},
    {73, 16, 16, 8, 0, 0, explosion_image, 0, 0},
    {75, 8, 8, 8, 0, 0, explosion_image, 0, -1},
    {83, 16, 16, 8, 0, 0, explosion_image, 0, 0},
    {89, 32, 32, 8, 0, 0, explosion_image, 0, 0},
    {90, 32, 32, 8, 0, 0, explosion_image, 0, 0},
    {92, 4, 4, 4, 0, 0, explosion_image, 0, -1}, // hit spark
    {94, 1, 1, 1, 0, 0, star_image, 0, 0},       // star
    {96, 1, 1, 1, 0, 0, hidden, 0, 0},           // window markers
    {97, 1, 1, 1, 0, 0, hidden, 1, 0},
    {98, 1, 1, 1, 0, 0, hidden, 2, 0},
    {99, 1, 1, 1, 0, 0, hidden, 0, 0},
    {100, 1, 1, 1, 0, 0, hidden, 0, 0},
    {101, 1, 1, 1, 0, 0, hidden, 0, 0},
    {175, 8, 8, 4, 0, 0, explosion_image, 0, 0}, // debris puff
    {200, 16, 16, 3, 1, 100, enemy_image, 0, 0}, // plain enemies
    {201, 32, 32, 3000, 1, 5000, enemy_image, 0, 0},
    {202, 16, 16, 5, 1, 200, enemy_image, 1, 0},
};

} // namespace

std::vector<objectinfo_t> sample_objectinfo_records() {
    std::vector<objectinfo_t> all(std::begin(records), std::end(records));
    const std::vector<objectinfo_t> stages = sample_stage_records();
    all.insert(all.end(), stages.begin(), stages.end());
    return all;
}

std::vector<uint8_t> encode_objectinfo(const std::vector<objectinfo_t>& used) {
    byte_writer_t out;
    for (size_t i = 0; i < size_t(objectinfo_count); ++i) {
        const objectinfo_t r = i < used.size() ? used[i] : objectinfo_t{-1, 0, 0, 0, 0, 0, -1, 0, 0};
        for (int32_t field : {r.id, r.width, r.height, r.hit_points, r.contact_damage, r.score, r.image_id,
                              r.list_index, r.blend_mode}) {
            out.i32(field);
        }
    }
    return out.data();
}

bool write_objectinfo_file(const std::string& root, std::string& error) {
    if (!write_file_bytes(root + "/bin/objectinfo.dat", encode_objectinfo(sample_objectinfo_records()))) {
        error = "bin/objectinfo.dat: cannot write";
        return false;
    }
    return true;
}
