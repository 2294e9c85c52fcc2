// The nine keys the play scene polls each frame, bound from the configuration by the scene controller.
#pragma once

#include <cstdint>

struct key_entry_t {
    int32_t code = 0;  // virtual-key code
    int32_t state = 0; // written by the play scene's poll
};

// Table order; note multiple before power-up, unlike the configuration's key fields.
enum key_index_t : int {
    key_up,
    key_down,
    key_right,
    key_left,
    key_shot,
    key_missile,
    key_multiple,
    key_powerup,
    key_pause,
    key_count
};

extern key_entry_t g_key_table[key_count];
