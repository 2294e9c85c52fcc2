#include "tools/sample/stage_files.h"

#include "base/binio.h"
#include "tools/sample/block_stage.h"
#include "tools/sample/bee_stage.h"
#include "tools/sample/boss004_stage.h"
#include "tools/sample/boss006_stage.h"
#include "tools/sample/boss005_stage.h"
#include "tools/sample/cell_stage.h"
#include "tools/sample/chaser_stage.h"
#include "tools/sample/crab_stage.h"
#include "tools/sample/emplacement_stage.h"
#include "tools/sample/ending_stage.h"
#include "tools/sample/formation_stage.h"
#include "tools/sample/fish_stage.h"
#include "tools/sample/big_worm_stage.h"
#include "tools/sample/gunship_stage.h"
#include "tools/sample/hopper_stage.h"
#include "tools/sample/melvorin_stage.h"
#include "tools/sample/meteor_stage.h"
#include "tools/sample/midboss_stage.h"
#include "tools/sample/mothership_stage.h"
#include "tools/sample/scorpion_stage.h"
#include "tools/sample/rotator_stage.h"
#include "tools/sample/sample_maps.h"
#include "tools/sample/scenery_stage.h"
#include "tools/sample/shutter_stage.h"
#include "tools/sample/stage_scripts.h"
#include "tools/sample/tripus_stage.h"
#include "tools/sample/tentacle_stage.h"
#include "tools/sample/turret_stage.h"
#include "tools/sample/walker_stage.h"
#include "tools/sample/twister_stage.h"
#include "tools/sample/worm_stage.h"

#include <algorithm>

namespace {

constexpr int32_t enemy_image = 18;
constexpr int32_t small_enemy = 600; // types the dispatcher sends to the plain enemy
constexpr int32_t large_enemy = 601;
constexpr int32_t floor_turret = 150;
constexpr int32_t roof_turret = 151;
constexpr int32_t battery003 = 155;
constexpr int32_t stage_sections = 6;

// Stage-script commands the sample uses.
constexpr int32_t event_bgm = 367;
constexpr int32_t event_stars = 373;
constexpr int32_t event_map = 377;
constexpr int32_t event_next_stage = 419;

// The terrain band in the two top quadrants of layer 0, the backdrop behind it on layer 3, the stage's
// music and the star field, all at the start.
std::vector<eventinfo_t> opening_events() {
    std::vector<eventinfo_t> events;
    for (int32_t q = 0; q < 2; ++q) {
        events.push_back({event_map, 0, 0, sample_band_map_id << 16 | q});
        events.push_back({event_map, 0, 0, sample_backdrop_map_id << 16 | (30 + q)});
    }
    events.push_back({event_bgm, 0, 0, 0});
    events.push_back({event_stars, 0, 0, 1});
    return events;
}

// Waves of plain enemies from the right, a carrier with an item in every wave, turrets on the terrain.
std::vector<placement_t> stage_placements(int32_t stage) {
    const int32_t drops[] = {37, 38, 40, 39, 34, 41};
    std::vector<placement_t> placements;
    for (uint32_t section = 0; section < stage_sections - 1; ++section) {
        for (uint32_t wave = 0; wave < 4; ++wave) {
            const uint32_t key = position(section, 32 + wave * 56);
            const int32_t y = 48 + int32_t((wave * 37 + section * 23 + uint32_t(stage) * 11) % 140);
            placements.push_back(place(small_enemy, key, enter_x, y));
            placements.push_back(place(small_enemy, key + 8, enter_x, y + 20));
            if (wave == 1) {
                placements.push_back(place(large_enemy, key + 16, enter_x, y + 10, 0, drops[section % 6]));
            }
        }
        placements.push_back(place(floor_turret, position(section, 128), enter_x, turret_floor_y));
        placements.push_back(place(roof_turret, position(section, 200), enter_x, turret_roof_y));
    }
    placements.push_back(place(battery003, position(stage_sections - 2, 160), enter_x, 120, 3, 42));
    for (const std::vector<placement_t>& more :
         {formation_placements(stage), melvorin_placements(stage), midboss_placements(stage),
          turret_placements(stage), emplacement_placements(stage), shutter_placements(stage),
          worm_placements(stage), twister_placements(stage), rotator_placements(stage),
          scenery_placements(stage), cell_placements(stage), hopper_placements(stage),
          boss004_placements(stage), gunship_placements(stage), crab_placements(stage),
          boss005_placements(stage),
          boss006_placements(stage), fish_placements(stage), chaser_placements(stage), meteor_placements(stage),
          tripus_placements(stage), mothership_placements(stage), block_placements(stage), walker_placements(stage),
          tentacle_placements(stage), big_worm_placements(stage), bee_placements(stage), scorpion_placements(stage)}) {
        placements.insert(placements.end(), more.begin(), more.end());
    }
    return placements;
}

std::vector<eventinfo_t> stage_events(int32_t stage, int32_t next) {
    std::vector<eventinfo_t> events = opening_events();
    for (const std::vector<eventinfo_t>& more :
         {melvorin_events(stage), sample_stage_script(stage, stage_sections), crab_events(stage)}) {
        events.insert(events.end(), more.begin(), more.end());
    }
    events.push_back({event_next_stage, 0, position(stage_sections, 0), next});
    return events;
}

} // namespace

placement_t place(int32_t type, uint32_t key, int32_t x, int32_t y, int32_t param2, int32_t item) {
    placement_t p;
    p.x = x;
    p.y = y;
    p.type = type;
    p.key = key;
    p.param2 = param2;
    p.item = item;
    return p;
}

std::vector<objectinfo_t> sample_stage_records() {
    // id, width, height, hit points, contact damage, score, image, list, blend.
    std::vector<objectinfo_t> records{
        {small_enemy, 16, 16, 2, 1, 100, enemy_image, 0, 0},
        {large_enemy, 16, 16, 8, 1, 500, enemy_image, 0, 0},
        {floor_turret, 16, 16, 4, 1, 300, battery001_image, 0, 0},
        {roof_turret, 16, 16, 4, 1, 300, battery001_image, 0, 0},
    };
    for (const std::vector<objectinfo_t>& more :
         {formation_records(), melvorin_records(), midboss_records(), turret_records(), emplacement_records(),
          shutter_records(), twister_records(), ending_stage_records(), worm_records(), rotator_records(),
          scenery_records(), cell_records(), hopper_records(), boss004_records(), gunship_records(),
          fish_records(),
          chaser_records(),
          meteor_records(), tripus_records(), mothership_records(),
          block_records(), walker_records(), tentacle_records(),
          big_worm_records(),
          bee_records(),
          crab_records(), boss006_records(),
          boss005_records(), scorpion_records()}) {
        records.insert(records.end(), more.begin(), more.end());
    }
    return records;
}

std::vector<uint8_t> stage_file_bytes(std::vector<placement_t> placements, std::vector<eventinfo_t> events) {
    std::stable_sort(placements.begin(), placements.end(),
                     [](const placement_t& a, const placement_t& b) { return a.key < b.key; });
    std::stable_sort(events.begin(), events.end(),
                     [](const eventinfo_t& a, const eventinfo_t& b) { return a.trigger < b.trigger; });
    byte_writer_t w;
    for (size_t i = 0; i < stage_record_count; ++i) {
        write_placement(w, i < placements.size() ? placements[i] : placement_t{});
    }
    for (size_t i = 0; i < stage_record_count; ++i) {
        write_event(w, i < events.size() ? events[i] : eventinfo_t{-1, 0, 0, 0});
    }
    return w.data();
}

bool write_stage_files(const std::string& root, std::string& error) {
    struct stage_file_t {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    const stage_file_t files[] = {
        {"st001.dat", stage_file_bytes(stage_placements(1), stage_events(1, 2))},
        {"st002.dat", stage_file_bytes(stage_placements(2), stage_events(2, 0xFFFF))}, // -1: the ending
    };
    for (const stage_file_t& f : files) {
        if (!write_file_bytes(root + "/bin/" + f.name, f.bytes)) {
            error = std::string("bin/") + f.name + ": cannot write";
            return false;
        }
    }
    const std::string table =
        "# slot\tfile\tstart\tloop start\tloop end\n0\t.\\bin\\sound\\stage01.mid\t0\t6144\t21504\n";
    if (!write_file_bytes(root + "/bin/bgmtbl002.txt", std::vector<uint8_t>(table.begin(), table.end()))) {
        error = "bin/bgmtbl002.txt: cannot write";
        return false;
    }
    return write_ending_stage(root, error);
}
