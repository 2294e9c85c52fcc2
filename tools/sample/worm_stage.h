// The sample stages' worms: where each worm family meets the player, the records its parts, explosions
// and shots are made of, and the picture of their segments.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

// A segment with a nose: 32 headings in each of 4 banks, bank by colour.
constexpr int32_t worm_image = 170;

std::vector<objectinfo_t> worm_records();
// The groups the stage plan places.
std::vector<stage_group_t> worm_groups();
bool add_worm_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
