// The play screen's overlay pictures for the sample sprite table: the pause menu, the life icon, the
// power-up gauge's boxes and labels; and the gauge style file.
#pragma once

#include "screen/sprite_record.h"

#include <string>
#include <vector>

bool add_overlay_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
bool write_gauge_style(const std::string& root, std::string& error);
