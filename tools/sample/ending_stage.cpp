#include "tools/sample/ending_stage.h"

#include "base/binio.h"
#include "play/stage_events.h"
#include "tools/sample/stage_files.h"
#include "tools/sample/stage_pictures.h"

namespace {

namespace ev = stage_event;

constexpr int32_t first_riser = 350;
constexpr int32_t riser_count = 11;
constexpr int32_t fader = 361;
constexpr int32_t ship_eject = 362;
// Sample object pictures the groups borrow.
constexpr int32_t ship_image = 16;
constexpr int32_t shot_image = 17;
constexpr int32_t enemy_image = 18;
constexpr int32_t explosion_image = 19;
constexpr int32_t item_image = 20;
constexpr int32_t below_strip = 224; // the letterbox ends at line 216
constexpr uint32_t riser_spacing = 40;

std::vector<placement_t> ending_placements() {
    std::vector<placement_t> placements = {place(ship_eject, position(0, 0), 128, 176)};
    for (int32_t i = 0; i < riser_count; ++i) {
        const uint32_t key = 64 + uint32_t(i) * riser_spacing;
        placements.push_back(
            place(first_riser + i, position(key >> 8, key & 0xFF), 48 + (i % 3) * 80, below_strip));
    }
    placements.push_back(place(fader, position(1, 200), 128, below_strip));
    return placements;
}

// The ship leaves the play to its stand-in, weapons silent, under the stars and the music.
std::vector<eventinfo_t> ending_events() {
    return {
        {ev::ship_game_over, 0, 0, 0},
        {ev::weapons_enabled, 0, 0, 0},
        {ev::stars, 0, 0, 1},
        {ev::bgm_start, 0, 0, 0},
    };
}

} // namespace

std::vector<objectinfo_t> ending_stage_records() {
    const int32_t images[riser_count] = {
        enemy_image, item_image, floor_turret_image, explosion_image,    shot_image,       roof_turret_image,
        enemy_image, item_image, explosion_image,    floor_turret_image, roof_turret_image};
    // id, width, height, hit points, contact damage, score, image, list, blend.
    std::vector<objectinfo_t> records;
    for (int32_t i = 0; i < riser_count; ++i) {
        records.push_back({first_riser + i, 16, 16, 1, 0, 0, images[i], 0, 0});
    }
    records.push_back({fader, 16, 16, 1, 0, 0, item_image, 0, 0});
    records.push_back({ship_eject, 16, 8, 1, 0, 0, ship_image, 0, 0});
    return records;
}

bool write_ending_stage(const std::string& root, std::string& error) {
    if (!write_file_bytes(root + "/bin/st100.dat", stage_file_bytes(ending_placements(), ending_events()))) {
        error = "bin/st100.dat: cannot write";
        return false;
    }
    const std::string table = "0\t.\\bin\\sound\\title.mid\t0\t3072\t9216\n";
    if (!write_file_bytes(root + "/bin/bgmtbl100.txt", std::vector<uint8_t>(table.begin(), table.end()))) {
        error = "bin/bgmtbl100.txt: cannot write";
        return false;
    }
    return true;
}
