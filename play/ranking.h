// The score ranking: the 30 best runs, best first, kept in .\bin\ranking.dat.
#pragma once

#include "base/safe_read.h"

#include <cstdint>

constexpr const char* ranking_path = ".\\bin\\ranking.dat";

// 40 bytes on disk, little-endian, in this order.
struct ranking_record_t {
    char name[16] = {};   // zero-terminated; bytes behind the terminator are zero
    int32_t reserved = 1; // 1 in every record the game writes; nothing reads it
    int32_t score = 0;
    int32_t level = 1;
    int32_t loop = 1;
    int32_t stage = 1;
    int32_t section = 0; // the high 16 bits of the stage position where the run ended
};

class ranking_t {
  public:
    static constexpr int record_count = 30;
    static constexpr int record_size = 40;
    static constexpr int file_size = record_count * record_size;

    static constexpr int32_t no_entry = -1;

    ranking_t();

    static void clear_record(ranking_record_t& record);
    // The index a record with this score would take, or 30; true when it is below 30.
    bool find_place(int32_t score, uint32_t& place) const;
    // Enters a copy at its place (below every equal score); false and nothing changed when it finds none.
    bool insert(const ranking_record_t& record);
    // loaded only when the whole table was read; the table is unchanged otherwise.
    load_status_t load();
    bool save() const;
    void set_default();

    ranking_record_t records[record_count];
    // The index of the record the last insert placed; no_entry after an insert that found no place.
    int32_t new_entry = no_entry;

    // The record new_entry names, or null.
    ranking_record_t* new_entry_record();
};
