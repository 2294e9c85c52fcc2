// The sample stages: six stages over the sample terrain built from the stage plan's groups, and the
// ending stage 100.
#pragma once

#include "objects/objectinfo.h"
#include "play/eventinfo.h"
#include "play/stage_file.h"

#include <cstdint>
#include <string>
#include <vector>

// A key of a stage table: the section and the pixel within it.
constexpr uint32_t position(uint32_t section, uint32_t pixel) {
    return section << 16 | pixel;
}

// Where objects enter: just right of the screen.
constexpr int32_t enter_x = 272;

// A placement of type at key, at (x, y) on the screen.
placement_t place(int32_t type, uint32_t key, int32_t x, int32_t y, int32_t param2 = 0, int32_t item = -1);

// The parameter records the stages' own placements need, the ending's included.
std::vector<objectinfo_t> sample_stage_records();

// A whole stage file: the tables sorted by key and each ended by a -1 record.
std::vector<uint8_t> stage_file_bytes(std::vector<placement_t> placements, std::vector<eventinfo_t> events);

// Writes bin/st001.dat to bin/st006.dat and bin/st100.dat.
bool write_stage_files(const std::string& root, std::string& error);
