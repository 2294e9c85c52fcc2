// The configuration record .\bin\config.dat: 21 little-endian int32 fields, 84 bytes, no header, in the
// order of the settings screen's lines (a line's id is its field index).
#pragma once

#include "base/safe_read.h"

#include <cstdint>

constexpr const char* config_path = ".\\bin\\config.dat";
constexpr int config_field_count = 21;

struct config_t {
    int32_t screen_mode;  // display-mode word, 0 the window
    int32_t blt_scale;    // integer magnification of the picture
    int32_t refresh_mode; // 0 VSYNC, else TIMER
    int32_t stage;
    int32_t section;
    int32_t level;
    int32_t loop;
    int32_t life;
    int32_t equipment;
    int32_t power_up;   // 0 ITEM, else CAPSULE
    int32_t power_down; // 0 LOSE ALL, else LEAVE ITEMS
    int32_t bgm;        // 0 music on, else off
    int32_t bgm_volume; // hundredths of a decibel
    int32_t se_volume;  // hundredths of a decibel
    int32_t reverb;     // 0 off, else on
    int32_t joystick;   // stored and shown only
    int32_t shot_key;   // virtual-key codes from here on
    int32_t missile_key;
    int32_t powerup_key;
    int32_t multiple_key;
    int32_t pause_key;
};

void config_default(config_t* config);
// loaded only when a whole record was read (the blit scale bounded); otherwise the record is to be filled
// with the defaults, and an unreadable file is not to be saved over.
load_status_t config_load(config_t* config);
bool config_save(const config_t* config);
