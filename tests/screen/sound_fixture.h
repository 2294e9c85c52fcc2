// A sound manager created over the sample sound data in a temporary folder, with the output rendered
// offline.
#pragma once

#include "screen/soundctr.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>

class sound_fixture_t : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::string boot_log() const;
    void write_text(const std::string& path, const std::string& text) const;
    // An effect table whose id 7 holds one level for a second, so plays can be counted by loudness.
    void load_level_effect(float level);

    temp_folder_t dir;
    soundctr_t sound;
};
