// Pictures of the sample stages' turrets: a dome with a barrel standing on the floor, and the same hanging
// from the ceiling.
#pragma once

#include "screen/sprite_record.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t floor_turret_image = 22;
constexpr int32_t roof_turret_image = 23;

bool add_stage_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
