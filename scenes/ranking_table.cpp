#include "scenes/ranking_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int32_t header_col = 3;
constexpr int32_t header_row = 2;
constexpr int32_t first_row = 4;
constexpr int32_t rank_col = 4;
constexpr int32_t rank_digits = 2;
constexpr int32_t score_col = 7;
constexpr int32_t score_digits = 10;
constexpr int32_t name_col = 21;
constexpr int32_t place_col = 32;
constexpr int32_t fade_step = 6;
constexpr int32_t half_transparent = 128;
constexpr size_t longest_name = 15;

} // namespace

void draw_ranking_table(const ranking_t& ranking, int32_t timer, ranking_text_t& out) {
    const int32_t faded = std::max(0, 256 - fade_step * timer);
    out.string(header_col, header_row, "RANK      SCORE   NAME       PLACE");
    for (int32_t i = 0; i < ranking_t::record_count; ++i) {
        const ranking_record_t& record = ranking.records[i];
        const bool other = ranking.new_entry != ranking_t::no_entry && ranking.new_entry != i;
        const int32_t weight = other ? half_transparent : faded;
        const int32_t row = first_row + i;
        out.number(rank_col, row, i + 1, rank_digits, weight);
        out.number(score_col, row, record.score, score_digits, weight);
        // A record edited in memory need not end within its field.
        char name[longest_name + 1] = {};
        std::memcpy(name, record.name, strnlen(record.name, longest_name));
        out.text(name_col, row, name, weight);
        char place[40];
        std::snprintf(place, sizeof place, "%d-%d-%d", record.loop, record.stage, record.section);
        out.text(place_col, row, place, weight);
    }
}
