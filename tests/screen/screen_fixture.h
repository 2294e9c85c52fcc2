// Tests of the screen manager: a window on a desktop of a chosen depth, the sample sprites in a temporary
// folder with a log folder.
#pragma once

#include "screen/screenctr.h"
#include "tests/render/blend_surfaces.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class screen_fixture_t : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates g_screenctr over the window (mode 0) or a full-screen mode on a desktop of `bits`; true
    // when it was created and, with `sprites`, the sample sprite table loaded.
    bool start(int bits, int32_t mode = 0, bool sprites = true, int32_t blit_scale = 2);
    // The boot log's lines so far.
    std::vector<std::string> log() const;

    temp_folder_t dir;
    std::unique_ptr<test_window_t> window;
};

// Every pixel of a surface set to one raw value.
void fill(umlib::surface_t& surface, uint32_t value);
