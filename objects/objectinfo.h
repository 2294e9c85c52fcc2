// The object parameter table .\bin\objectinfo.dat: size, hit points, score, image and draw effect of
// every object type, read when a play starts. Objects keep pointers into it, so it never moves.
#pragma once

#include <cstdint>
#include <string>

struct objectinfo_t {
    int32_t id;
    int32_t width;
    int32_t height;
    int32_t hit_points; // for effects: the number of animation patterns
    int32_t contact_damage;
    int32_t score;
    int32_t image_id; // -1: not drawn
    int32_t list_index;
    int32_t blend_mode;
};

constexpr int objectinfo_count = 1024;
constexpr size_t objectinfo_record_size = 36;
constexpr size_t objectinfo_file_size = objectinfo_count * objectinfo_record_size;

// Reads the whole table; false when the file cannot be read or is not exactly 1024 records, and then the
// table keeps what it held. Level 2 and above toughen records of 3000 hit points or more.
bool objectinfo_load(const std::string& path, int32_t level);

// The first record with this id, or null; always null for -1.
const objectinfo_t* objectinfo_find(int32_t id);
