// The sample's final boss at the end of the last normal stage: its placement, the scroll hold that
// stops the stage for the fight, the records of its parts and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "play/eventinfo.h"
#include "screen/sprite_record.h"
#include "tools/sample/stage_group.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<objectinfo_t> melvorin_records();
// The groups the stage plan places.
std::vector<stage_group_t> melvorin_groups();
bool add_melvorin_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
