// The 30 rows of the score ranking on the text grid: position, score, name and place reached, fading in
// with the scene's timer, the new entry standing out against half-transparent rows.
#pragma once

#include "play/ranking.h"

#include <cstdint>

// Where the table's text goes; weight is the background's share in 256ths (0 opaque).
class ranking_text_t {
  public:
    virtual ~ranking_text_t() = default;
    virtual void string(int32_t col, int32_t row, const char* text) = 0;
    virtual void text(int32_t col, int32_t row, const char* text, int32_t weight) = 0;
    // Right-aligned: the units digit at column col + digits, blank cells before the number undrawn.
    virtual void number(int32_t col, int32_t row, int32_t value, int32_t digits, int32_t weight) = 0;
};

// The header and the rows as they stand after `timer` frames.
void draw_ranking_table(const ranking_t& ranking, int32_t timer, ranking_text_t& out);
