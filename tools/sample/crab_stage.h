// The sample stages' walking crab: its group with the hold that keeps
// it on screen while it climbs, the records of its parts and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "play/eventinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<objectinfo_t> crab_records();
// The groups the stage plan places.
std::vector<stage_group_t> crab_groups();
bool add_crab_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
