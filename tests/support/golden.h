// Golden pictures: a rendered picture compared byte for byte with the file stored beside its test, or
// written there instead when MELVORIN_WRITE_GOLDEN is set (regenerate on purpose, then look at it).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The stored picture's path: name in the folder of the test source file.
std::string golden_path(const char* source_file, const char* name);
namespace umlib {
class surface_t;
}

// The presented rows 8 to 247 of a 256-wide 32-bit back buffer as 8-bit RGB: the stored pictures' format.
std::vector<uint8_t> visible_rows_as_ppm(umlib::surface_t& back);
void expect_golden_picture(const std::string& stored, const std::vector<uint8_t>& picture);
