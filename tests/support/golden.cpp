#include "tests/support/golden.h"

#include "base/binio.h"

#include <gtest/gtest.h>

#include <cstdlib>

std::string golden_path(const char* source_file, const char* name) {
    const std::string file = source_file;
    return file.substr(0, file.rfind('/') + 1) + name;
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
