// Cell sheets of the game objects for the sample sprite table: ship, shots, enemies, explosions, items
// and stars, 32 patterns (8 a row) on a magenta key, at the records the sample object table names.
#pragma once

#include "screen/sprite_record.h"

#include <string>
#include <vector>

bool add_object_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
