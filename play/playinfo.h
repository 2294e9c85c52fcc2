// The play settings of a run: what the scene controller hands to the play scenes and every replay
// file begins with.
#pragma once

#include "base/binio.h"

#include <cstdint>

// 60 bytes on disk: 15 little-endian int32 in this order.
struct playinfo_t {
    int32_t version = 185;
    int32_t date = 0; // seconds since 1970 at which a recording started
    int32_t level = 2;
    int32_t loop = 1;
    int32_t start_score = 0;
    int32_t start_lives = 0;
    int32_t stage = 0;
    int32_t section = 0;
    int32_t ship_type = 0; // -1 while none is chosen
    int32_t equipment = 1;
    int32_t powerup_mode = 0;
    int32_t powerdown_mode = 0;
    int32_t option_type = 1;
    int32_t random_seed = 256;
    int32_t input_length = 0; // input bytes behind the record in a replay file
};

constexpr int32_t playinfo_version = 185;
constexpr int32_t playinfo_size = 60;
constexpr int32_t ship_type_unchosen = -1;

void read_playinfo(byte_reader_t& r, playinfo_t& info);
void write_playinfo(byte_writer_t& w, const playinfo_t& info);
