#include "play/ranking.h"

#include "base/binio.h"
#include "base/safe_read.h"
#include "base/safe_save.h"

#include <cstring>
#include <vector>

namespace {

// One block of ten default ranks: the score and section of its first rank and their step per rank.
struct default_block_t {
    int32_t first_score;
    int32_t score_step;
    int32_t stage;
    int32_t first_section;
};

constexpr default_block_t default_blocks[3] = {
    {738950, 15500, 3, 14},
    {465000, 33300, 2, 17},
    {125000, 1000, 1, 13},
};

void read_record(byte_reader_t& r, ranking_record_t& record) {
    r.bytes(record.name, sizeof record.name);
    // A name without its terminator is cut at the 16th byte; what stands behind the terminator goes.
    record.name[sizeof record.name - 1] = '\0';
    const size_t length = std::strlen(record.name);
    std::memset(record.name + length, 0, sizeof record.name - length);
    record.reserved = r.i32();
    record.score = r.i32();
    record.level = r.i32();
    record.loop = r.i32();
    record.stage = r.i32();
    record.section = r.i32();
}

void write_record(byte_writer_t& w, const ranking_record_t& record) {
    const size_t length = strnlen(record.name, sizeof record.name - 1);
    w.bytes(record.name, length);
    w.zeros(sizeof record.name - length);
    w.i32(record.reserved);
    w.i32(record.score);
    w.i32(record.level);
    w.i32(record.loop);
    w.i32(record.stage);
    w.i32(record.section);
}

} // namespace

ranking_t::ranking_t() {
    for (ranking_record_t& record : records) {
        clear_record(record);
    }
}

void ranking_t::clear_record(ranking_record_t& record) {
    record = ranking_record_t{};
}

bool ranking_t::find_place(int32_t score, uint32_t& place) const {
    place = record_count;
    for (uint32_t i = 0; i < uint32_t(record_count); ++i) {
        if (score > records[i].score) {
            place = i;
            break;
        }
    }
    return place != uint32_t(record_count);
}

bool ranking_t::insert(const ranking_record_t& record) {
    new_entry = no_entry;
    uint32_t place = 0;
    if (!find_place(record.score, place)) {
        return false;
    }
    for (uint32_t i = record_count - 1; i > place; --i) {
        records[i] = records[i - 1];
    }
    records[place] = record;
    new_entry = int32_t(place);
    return true;
}

load_status_t ranking_t::load() {
    std::vector<uint8_t> bytes;
    const load_status_t status = read_record_file(ranking_path, bytes, file_size);
    if (status != load_status_t::loaded) {
        return status;
    }
    byte_reader_t r(bytes);
    for (ranking_record_t& record : records) {
        read_record(r, record);
    }
    return load_status_t::loaded;
}

bool ranking_t::save() const {
    byte_writer_t w;
    for (const ranking_record_t& record : records) {
        write_record(w, record);
    }
    return safe_save(ranking_path, w.data());
}

void ranking_t::set_default() {
    for (int block = 0; block < 3; ++block) {
        const default_block_t& d = default_blocks[block];
        for (int i = 0; i < 10; ++i) {
            ranking_record_t& record = records[block * 10 + i];
            clear_record(record);
            std::strcpy(record.name, "---");
            record.score = d.first_score - d.score_step * i;
            record.stage = d.stage;
            record.section = d.first_section - i;
        }
    }
}

ranking_record_t* ranking_t::new_entry_record() {
    return new_entry >= 0 && new_entry < record_count ? &records[new_entry] : nullptr;
}
