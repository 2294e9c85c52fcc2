// The player's progress, .\bin\userinfo.dat: what the settings screen lets the player choose.
#pragma once

#include "base/safe_read.h"

#include <cstdint>

constexpr const char* userinfo_path = ".\\bin\\userinfo.dat";
constexpr int32_t userinfo_size = 16;

// The highest values a run reaches; stored progress is bounded by them before it serves as a limit.
constexpr int32_t max_level = 8;
constexpr int32_t max_loop = 8;
constexpr int32_t max_unlocked_stage = 6;

struct userinfo_t {
    uint8_t ending_reached = 0; // 1 once an ending scene has been built
    int32_t level = 1;          // highest level reached
    int32_t loop = 1;           // highest loop reached
    int32_t stage = 1;          // highest stage reached
};

// Reads the record; a missing, unreadable or short file gives the defaults.
load_status_t userinfo_load(userinfo_t* info);
// Writes the 16 bytes, the three unused ones as zeros.
bool userinfo_save(const userinfo_t* info);
