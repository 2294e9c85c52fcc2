#include "tests/support/golden.h"

#include "base/binio.h"
#include "tests/render/blend_surfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

std::string golden_path(const char* source_file, const char* name) {
    // A compiler cache may make source paths relative to the build folder, where the test program lies;
    // the tests change folders, so such a path is taken from there.
    const std::filesystem::path build = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::filesystem::path folder = std::filesystem::path(source_file).parent_path();
    return (build / folder / name).lexically_normal().string();
}

std::vector<uint8_t> ppm_of(const std::vector<uint32_t>& pixels, int32_t width, int32_t height) {
    const std::string header = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    std::vector<uint8_t> ppm(header.begin(), header.end());
    for (const uint32_t p : pixels) {
        ppm.insert(ppm.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
    }
    return ppm;
}

std::vector<uint8_t> visible_rows_as_ppm(umlib::surface_t& back) {
    std::vector<uint32_t> rows;
    for (int32_t y = 8; y < 248; ++y) {
        for (int32_t x = 0; x < 256; ++x) {
            rows.push_back(blend_test::get_pixel(back, x, y));
        }
    }
    return ppm_of(rows, 256, 240);
}

namespace {

// Where two pictures of one header differ, in the picture's own pixel coordinates.
std::string describe_difference(const std::vector<uint8_t>& expected, const std::vector<uint8_t>& actual) {
    int32_t width = 0, height = 0, depth = 0, used = 0;
    const std::string text(expected.begin(), expected.begin() + std::min<size_t>(expected.size(), 32));
    if (std::sscanf(text.c_str(), "P6 %d %d %d%n", &width, &height, &depth, &used) != 3 || width <= 0 ||
        expected.size() != actual.size() ||
        expected.size() != size_t(used + 1) + size_t(width) * height * 3) {
        return "the sizes or headers differ";
    }
    const size_t data = size_t(used + 1);
    std::ostringstream out;
    int32_t count = 0, left = width, top = height, right = -1, bottom = -1;
    for (int32_t i = 0; i < width * height; ++i) {
        const uint8_t* e = &expected[data + size_t(i) * 3];
        const uint8_t* a = &actual[data + size_t(i) * 3];
        if (std::equal(e, e + 3, a)) {
            continue;
        }
        const int32_t x = i % width, y = i / width;
        left = std::min(left, x), top = std::min(top, y), right = std::max(right, x),
        bottom = std::max(bottom, y);
        if (++count <= 8) {
            char line[96];
            std::snprintf(line, sizeof line, "  (%d, %d): expected %02X%02X%02X, drawn %02X%02X%02X\n", x, y,
                          e[0], e[1], e[2], a[0], a[1], a[2]);
            out << line;
        }
    }
    return std::to_string(count) + " pixels differ, within (" + std::to_string(left) + ", " +
           std::to_string(top) + ") to (" + std::to_string(right) + ", " + std::to_string(bottom) + "):\n" +
           out.str();
}

} // namespace

void expect_golden_picture(const std::string& stored, const std::vector<uint8_t>& picture) {
    if (std::getenv("MELVORIN_WRITE_GOLDEN") != nullptr) {
        ASSERT_TRUE(write_file_bytes(stored, picture));
        GTEST_SKIP() << "wrote " << stored;
    }
    std::vector<uint8_t> expected;
    ASSERT_TRUE(read_file_bytes(stored, expected)) << stored;
    if (expected != picture) {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        ADD_FAILURE() << "the picture differs from " << stored << ": "
                      << describe_difference(expected, picture)
                      << "if the change is meant, regenerate and look at it:\n  MELVORIN_WRITE_GOLDEN=1 "
                      << "build/melvorin_tests --gtest_filter='" << test->test_suite_name() << "."
                      << test->name() << "'";
    }
}
