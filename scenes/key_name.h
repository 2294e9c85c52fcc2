// The name the settings screen shows for a virtual-key code.
#pragma once

#include <string>

// "A".."Z", "TAB", "ENTER", "SHIFT", "CTRL", "ESC", "SPACE", else the code in decimal.
std::string key_name(int virtual_key);
