// The marks that blink in the corner while a run is recorded (a red dot) or replayed (a green arrow).
#pragma once

#include "screen/sprite_record.h"

#include <string>
#include <vector>

bool add_mode_mark_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error);
