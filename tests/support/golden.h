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

// Rows of 32-bit pixels (0xRRGGBB) as 8-bit RGB: the stored pictures' format.
std::vector<uint8_t> ppm_of(const std::vector<uint32_t>& pixels, int32_t width, int32_t height);
// The presented rows 8 to 247 of a 256-wide 32-bit back buffer.
std::vector<uint8_t> visible_rows_as_ppm(umlib::surface_t& back);
// A difference names how many pixels differ, their bounds, the first few, the stored file and the
// command that rewrites it.
void expect_golden_picture(const std::string& stored, const std::vector<uint8_t>& picture);
