// The sample stages' scorpion boss: where it meets the player in stage 2, the records of its parts and
// weapons, and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "play/stage_file.h"
#include "screen/sprite_record.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<objectinfo_t> scorpion_records();
// The placements of stage 1 or 2.
std::vector<placement_t> scorpion_placements(int32_t stage);
bool add_scorpion_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
