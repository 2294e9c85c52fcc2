// The sample stages' gunships: where the twinbarrel meets the player, its records and its pictures.
#pragma once

#include "objects/objectinfo.h"
#include "play/stage_file.h"
#include "screen/sprite_record.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t twinbarrel_image = 250; // 8 tilts: level, 1..3 nose up, 7..5 nose down
constexpr int32_t bolt_image = 251;

std::vector<objectinfo_t> gunship_records();
// The placements of stage 1 or 2.
std::vector<placement_t> gunship_placements(int32_t stage);
bool add_gunship_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
