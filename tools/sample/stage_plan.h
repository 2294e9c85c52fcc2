// The plan of the six sample stages: how many sections each has, which stage follows, the sign it opens
// with, and which family's group stands where. One row a group; the families' own files say what a group
// holds.
#pragma once

#include <cstdint>
#include <vector>

struct stage_outline_t {
    int32_t stage;
    uint32_t sections; // the stage changes at the start of the section after the last
    int32_t next;      // 0xFFFF: stage -1, the ending
    int32_t sign;      // the navigation message that opens it
};

struct stage_plan_row_t {
    int32_t stage;
    uint32_t section;
    uint32_t pixel;
    const char* group;
    int32_t from_level = 1; // EASY leaves out the rows that ask for level 2 or more
};

const std::vector<stage_outline_t>& sample_stage_outlines();
const std::vector<stage_plan_row_t>& sample_stage_plan();
