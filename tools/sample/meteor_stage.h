// The sample stages' meteors: single ones of each size, the shower and the stream, their records and
// their spinning pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t small_meteor_image = 300;  // 35 turns
constexpr int32_t medium_meteor_image = 301; // 48 turns
constexpr int32_t large_meteor_image = 302;  // 23 turns

std::vector<objectinfo_t> meteor_records();
// The groups the stage plan places.
std::vector<stage_group_t> meteor_groups();
bool add_meteor_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
