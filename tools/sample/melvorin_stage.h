// The sample's final boss at the end of the last normal stage: its placement, the scroll hold that
// stops the stage for the fight, the records of its parts and their pictures.
#pragma once

#include "objects/objectinfo.h"
#include "play/eventinfo.h"
#include "play/stage_file.h"
#include "screen/sprite_record.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<objectinfo_t> melvorin_records();
// Of stage 1 or 2: the boss ends stage 2.
std::vector<placement_t> melvorin_placements(int32_t stage);
std::vector<eventinfo_t> melvorin_events(int32_t stage);
bool add_melvorin_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
