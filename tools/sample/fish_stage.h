// The sample stages' fish: its record, where a player meets it and its picture.
#pragma once

#include "objects/objectinfo.h"
#include "play/stage_file.h"
#include "screen/sprite_record.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t fish_image = 260;

std::vector<objectinfo_t> fish_records();
// The placements of stage 1 or 2.
std::vector<placement_t> fish_placements(int32_t stage);
bool add_fish_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
