// The pictures of the settings and game-over screens for the sample sprite table: the equipment icon
// sheet and the game-over caption.
#pragma once

#include "screen/sprite_record.h"

#include <string>
#include <vector>

bool add_frontend_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
