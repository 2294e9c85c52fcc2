// The sample stages' walking crab: where it meets the player near the end of stage 1, the hold that keeps
// it on screen while it climbs, the records of its parts and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "play/eventinfo.h"
#include "play/stage_file.h"
#include "screen/sprite_record.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<objectinfo_t> crab_records();
// The placements and events of stage 1 or 2.
std::vector<placement_t> crab_placements(int32_t stage);
std::vector<eventinfo_t> crab_events(int32_t stage);
bool add_crab_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
