// The stage file .\bin\stNNN.dat: 2048 placement records, then 2048 event records, each table ended by
// a -1 record or by its end; and the condition word that filters both by level and loop.
#pragma once

#include "base/binio.h"
#include "play/eventinfo.h"

#include <cstddef>
#include <cstdint>

constexpr size_t stage_record_count = 2048;
constexpr size_t placement_size = 28;
constexpr size_t event_size = 16;
constexpr size_t stage_events_offset = stage_record_count * placement_size;
constexpr size_t stage_file_size = stage_events_offset + stage_record_count * event_size;

// One object set of the stage: what to spawn, where, when it enters the windows, and what it drops.
struct placement_t {
    int32_t x = 0;
    int32_t y = 0;
    int32_t type = -1; // -1 ends the table
    uint32_t condition = 0;
    uint32_t key = 0; // section << 16 | pixel
    int32_t param2 = 0;
    int32_t item = -1; // parameter id of the dropped item, -1 none
};

// Value A and operator A in the high half test the level, value B and operator B the loop.
bool condition_passes(uint32_t condition, int32_t level, int32_t loop);

// Record i of a table of the image (i < 2048).
placement_t read_placement(const uint8_t* image, size_t i);
eventinfo_t read_event(const uint8_t* image, size_t i);
void write_placement(byte_writer_t& w, const placement_t& p);
void write_event(byte_writer_t& w, const eventinfo_t& e);
