#include "tests/support/golden.h"

#include "base/binio.h"
#include "tests/render/blend_surfaces.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

std::string golden_path(const char* source_file, const char* name) {
    // A compiler cache may make source paths relative to the build folder, where the test program lies;
    // the tests change folders, so such a path is taken from there.
    const std::filesystem::path build = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::filesystem::path folder = std::filesystem::path(source_file).parent_path();
    return (build / folder / name).lexically_normal().string();
}

std::vector<uint8_t> visible_rows_as_ppm(umlib::surface_t& back) {
    const std::string header = "P6\n256 240\n255\n";
    std::vector<uint8_t> ppm(header.begin(), header.end());
    for (int32_t y = 8; y < 248; ++y) {
        for (int32_t x = 0; x < 256; ++x) {
            const uint32_t p = blend_test::get_pixel(back, x, y);
            ppm.insert(ppm.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
        }
    }
    return ppm;
}

void expect_golden_picture(const std::string& stored, const std::vector<uint8_t>& picture) {
    if (std::getenv("MELVORIN_WRITE_GOLDEN") != nullptr) {
        ASSERT_TRUE(write_file_bytes(stored, picture));
        GTEST_SKIP() << "wrote " << stored;
    }
    std::vector<uint8_t> expected;
    ASSERT_TRUE(read_file_bytes(stored, expected)) << stored;
    EXPECT_TRUE(expected == picture) << "the picture differs from " << stored;
}
