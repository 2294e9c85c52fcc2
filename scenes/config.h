// The configuration record .\bin\config.dat: 21 little-endian int32 fields, 84 bytes, no header, in the
// order of the settings screen's lines (a line's id is its field index).
#pragma once

#include "base/safe_read.h"

#include <array>
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

// The record's fields in file order: a settings line's id indexes them.
constexpr std::array<int32_t config_t::*, config_field_count> config_fields = {
    &config_t::screen_mode, &config_t::blt_scale,   &config_t::refresh_mode, &config_t::stage,
    &config_t::section,     &config_t::level,       &config_t::loop,         &config_t::life,
    &config_t::equipment,   &config_t::power_up,    &config_t::power_down,   &config_t::bgm,
    &config_t::bgm_volume,  &config_t::se_volume,   &config_t::reverb,       &config_t::joystick,
    &config_t::shot_key,    &config_t::missile_key, &config_t::powerup_key,  &config_t::multiple_key,
    &config_t::pause_key};

void config_default(config_t* config);
// loaded only when a whole record was read (the blit scale bounded); otherwise the record is to be filled
// with the defaults, and an unreadable file is not to be saved over.
load_status_t config_load(config_t* config);
bool config_save(const config_t* config);
