#include "tools/sample/stage_files.h"

#include "base/binio.h"
#include "base/strformat.h"
#include "play/stage_events.h"
#include "tools/sample/bee_stage.h"
#include "tools/sample/big_worm_stage.h"
#include "tools/sample/block_stage.h"
#include "tools/sample/boss004_stage.h"
#include "tools/sample/boss005_stage.h"
#include "tools/sample/boss006_stage.h"
#include "tools/sample/cell_stage.h"
#include "tools/sample/chaser_stage.h"
#include "tools/sample/crab_stage.h"
#include "tools/sample/emplacement_stage.h"
#include "tools/sample/ending_stage.h"
#include "tools/sample/fish_stage.h"
#include "tools/sample/formation_stage.h"
#include "tools/sample/gunship_stage.h"
#include "tools/sample/hopper_stage.h"
#include "tools/sample/melvorin_stage.h"
#include "tools/sample/meteor_stage.h"
#include "tools/sample/midboss_stage.h"
#include "tools/sample/mothership_stage.h"
#include "tools/sample/plain_stage.h"
#include "tools/sample/rotator_stage.h"
#include "tools/sample/sample_maps.h"
#include "tools/sample/scenery_stage.h"
#include "tools/sample/scorpion_stage.h"
#include "tools/sample/shutter_stage.h"
#include "tools/sample/stage_plan.h"
#include "tools/sample/stage_scripts.h"
#include "tools/sample/tentacle_stage.h"
#include "tools/sample/tripus_stage.h"
#include "tools/sample/turret_stage.h"
#include "tools/sample/twister_stage.h"
#include "tools/sample/walker_stage.h"
#include "tools/sample/worm_stage.h"

#include <algorithm>
#include <string>

namespace {

namespace ev = stage_event;

constexpr uint32_t section_pixels = 256;
constexpr uint32_t level_at_least = 4; // the condition word's operator, in its level half

constexpr int32_t top_right_of_layer_0 = 2;

// The scenery at a section's start: the terrain band in the two left quadrants of layer 0 and the
// backdrop behind it on layer 3, drawn at once, the band's top-right quadrant and the star field. At the
// stage's start the top-right quadrant is wiped in from the map table; at every later section each map is
// drawn at once again, so that a run or a demo starting there finds it all. A play passing by sees no
// change: each map is drawn over itself, on layers that no shot craters, and the scroll, the music, the
// fade and the sign are left alone.
std::vector<eventinfo_t> scenery_events(uint32_t section) {
    const uint32_t at = position(section, 0);
    std::vector<eventinfo_t> events;
    for (int32_t q = 0; q < 2; ++q) {
        events.push_back({ev::quadrant_draw, 0, at, sample_band_map_id << 16 | q});
        events.push_back({ev::quadrant_draw, 0, at, sample_backdrop_map_id << 16 | (30 + q)});
    }
    // Setting the map again would heal the quadrant once more, brightening it column by column.
    events.push_back({section == 0 ? ev::quadrant_set : ev::quadrant_draw, 0, at,
                      sample_band_map_id << 16 | top_right_of_layer_0});
    events.push_back({ev::stars, 0, at, 1});
    return events;
}

std::vector<stage_group_t> all_groups() {
    std::vector<stage_group_t> groups;
    for (const std::vector<stage_group_t>& more :
         {bee_groups(),     big_worm_groups(),  block_groups(),      boss004_groups(),  boss005_groups(),
          boss006_groups(), cell_groups(),      chaser_groups(),     crab_groups(),     emplacement_groups(),
          fish_groups(),    formation_groups(), gunship_groups(),    hopper_groups(),   melvorin_groups(),
          meteor_groups(),  midboss_groups(),   mothership_groups(), plain_groups(),    rotator_groups(),
          scenery_groups(), scorpion_groups(),  shutter_groups(),    tentacle_groups(), tripus_groups(),
          turret_groups(),  twister_groups(),   walker_groups(),     worm_groups()}) {
        groups.insert(groups.end(), more.begin(), more.end());
    }
    return groups;
}

// A key some pixels after another, carried into the following sections.
uint32_t key_after(uint32_t key, uint32_t pixels) {
    const uint32_t pixel = (key & 0xFFFF) + pixels;
    return position((key >> 16) + pixel / section_pixels, pixel % section_pixels);
}

struct stage_content_t {
    std::vector<placement_t> placements;
    std::vector<eventinfo_t> events;
};

// The stages as the plan has them; false, with the group named, when the plan names a group no family
// has or a family has a group the plan never places.
bool planned_stages(std::vector<stage_content_t>& stages, std::string& error) {
    const std::vector<stage_group_t> groups = all_groups();
    std::vector<bool> used(groups.size(), false);
    stages.assign(sample_stage_outlines().size(), {});
    for (const stage_plan_row_t& row : sample_stage_plan()) {
        const auto group = std::find_if(groups.begin(), groups.end(), [&](const stage_group_t& p) {
            return std::string(p.name) == row.group;
        });
        if (group == groups.end()) {
            error = std::string("stage plan: no group \"") + row.group + "\"";
            return false;
        }
        used[size_t(group - groups.begin())] = true;
        const uint32_t key = position(row.section, row.pixel);
        const uint32_t condition =
            row.from_level > 1 ? uint32_t(row.from_level) << 24 | level_at_least << 16 : 0;
        stage_content_t& stage = stages[size_t(row.stage - 1)];
        for (placement_t p : group->placements) {
            p.key = key_after(key, p.key);
            p.condition = condition;
            stage.placements.push_back(p);
        }
        for (eventinfo_t e : group->events) {
            e.trigger = key_after(key, e.trigger);
            e.condition = condition;
            stage.events.push_back(e);
        }
    }
    const auto unused = std::find(used.begin(), used.end(), false);
    if (unused != used.end()) {
        error = std::string("stage plan: group \"") + groups[size_t(unused - used.begin())].name +
                "\" is placed nowhere";
        return false;
    }
    return true;
}

std::vector<eventinfo_t> stage_events(const stage_outline_t& outline, std::vector<eventinfo_t> events) {
    for (uint32_t section = 0; section < outline.sections; ++section) {
        const std::vector<eventinfo_t> scenery = scenery_events(section);
        events.insert(events.end(), scenery.begin(), scenery.end());
    }
    events.push_back({ev::bgm_start, 0, 0, 0});
    const std::vector<eventinfo_t> script = sample_stage_script(outline);
    events.insert(events.end(), script.begin(), script.end());
    events.push_back({ev::next_stage, 0, position(outline.sections, 0), outline.next});
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
    std::vector<objectinfo_t> records;
    for (const std::vector<objectinfo_t>& more :
         {plain_records(),        formation_records(),   melvorin_records(), midboss_records(),
          turret_records(),       emplacement_records(), shutter_records(),  twister_records(),
          ending_stage_records(), worm_records(),        rotator_records(),  scenery_records(),
          cell_records(),         hopper_records(),      boss004_records(),  gunship_records(),
          fish_records(),         chaser_records(),      meteor_records(),   tripus_records(),
          mothership_records(),   block_records(),       walker_records(),   tentacle_records(),
          big_worm_records(),     bee_records(),         crab_records(),     boss006_records(),
          boss005_records(),      scorpion_records()}) {
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
    std::vector<stage_content_t> stages;
    if (!planned_stages(stages, error)) {
        return false;
    }
    for (const stage_outline_t& outline : sample_stage_outlines()) {
        const stage_content_t& stage = stages[size_t(outline.stage - 1)];
        const std::string stage_file = strformat("bin/st%03d.dat", outline.stage);
        if (!write_file_bytes(root + "/" + stage_file,
                              stage_file_bytes(stage.placements, stage_events(outline, stage.events)))) {
            error = stage_file + ": cannot write";
            return false;
        }
    }
    return write_ending_stage(root, error);
}
