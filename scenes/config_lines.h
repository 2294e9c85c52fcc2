// Which settings lines can be chosen, and moving the cursor between the ones that can.
#pragma once

#include "play/userinfo.h"

#include <cstdint>
#include <vector>

// SECTION and JOYSTICK never; EQUIPMENT not before the player has reached stage 2.
bool config_line_disabled(int32_t line, const userinfo_t* userinfo);
// The nearest selectable line before (after) current in the page's list; current itself when there is
// none or when current is not on the page. No wrap-around.
int32_t config_prev_line(const std::vector<int32_t>& page, int32_t current, const userinfo_t* userinfo);
int32_t config_next_line(const std::vector<int32_t>& page, int32_t current, const userinfo_t* userinfo);
