// The pictures of the title and the ship-type select for the sample sprite table: the maker logo, the
// title picture, the menu sheet, the heading, the four ship panels, their frame and the controller sheet.
#pragma once

#include "screen/sprite_record.h"

#include <string>
#include <vector>

bool add_title_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
