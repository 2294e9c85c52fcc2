// The sample stages' hunters of the ship: the tracers, the phoenixes and their nest, the homing SAM, the
// fencer and the gathering ring; their records, where a player meets them and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t tracer001_image = 270; // a dart in 32 headings, two directions apart
constexpr int32_t tracer002_image = 271; // a blunter craft in each of the 64 directions
constexpr int32_t phoenix_image = 272;   // an egg cracking over 0..7, then wings flapping over 8..12
constexpr int32_t nest_image = 273;      // a nest glowing over 8 patterns
constexpr int32_t sam_image = 274;       // the missile, its flame growing over 8 patterns
constexpr int32_t puff_image = 275;      // a row of 8 fading steps for each of 4 sizes
constexpr int32_t burst_image = 276;     // a ring of fire widening over 24 patterns
constexpr int32_t fencer_image = 277;    // a blade in each of the 64 directions
constexpr int32_t gather_image = 278;    // a spindle turned over a half circle in 32 patterns

std::vector<objectinfo_t> chaser_records();
// The groups the stage plan places.
std::vector<stage_group_t> chaser_groups();
bool add_chaser_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
