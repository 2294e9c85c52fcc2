// The sample object parameter table .\bin\objectinfo.dat: every record the game names, the rest unused.
#pragma once

#include "objects/objectinfo.h"

#include <cstdint>
#include <string>
#include <vector>

// The used records, in file order.
std::vector<objectinfo_t> sample_objectinfo_records();
// All 1024 records of 36 bytes; unused ones have id -1.
std::vector<uint8_t> encode_objectinfo(const std::vector<objectinfo_t>& records);

bool write_objectinfo_file(const std::string& root, std::string& error);
