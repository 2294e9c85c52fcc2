// The sample stages' turrets and hatches: the records of battery001, battery002, battery006 and the
// hatches, where they stand on the terrain, and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t battery001_image = 110; // floor patterns 0..16, hanging patterns 24..40
constexpr int32_t gun_image = 111;        // a barrel in each of the 64 directions
constexpr int32_t hatch_image = 112;      // closed 0 .. open 7
// Standing on the highest floor and hanging from the lowest ceiling of the sample band, so that the
// terrain drawn over the objects never hides them.
constexpr int32_t turret_floor_y = 192;
constexpr int32_t turret_roof_y = 48;

std::vector<objectinfo_t> turret_records();
// The groups the stage plan places.
std::vector<stage_group_t> turret_groups();
bool add_turret_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
