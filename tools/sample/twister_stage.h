// The sample stages' twisters 003 to 008: the gunship, the dasher, the release formations, the weaver,
// the diver and the tracker, where a player meets them, their records and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t twister_gunship_image = 150; // spinning 0..31, opening 32..39
constexpr int32_t twister_dasher_image = 151;  // spinning 0..31

std::vector<objectinfo_t> twister_records();
// The groups the stage plan places.
std::vector<stage_group_t> twister_groups();
bool add_twister_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
