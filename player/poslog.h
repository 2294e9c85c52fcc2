// A ring of recent positions, newest first, that followers read at a fixed lag: the multiples' trail
// and the formations of enemies that follow a leader.
#pragma once

#include <cstdint>
#include <vector>

class poslog_t {
  public:
    struct entry_t {
        float x;
        float y;
    };

    poslog_t() = default;
    explicit poslog_t(uint32_t new_length) { resize(new_length); }

    // New zeroed storage for the length, rounded up to a power of two; the head stays.
    void resize(uint32_t new_length);
    // Writes (x, y) into entries start .. length - 1; returns head + length, or head + start when start
    // is not below the length.
    uint32_t fill(float x, float y, uint32_t start);
    // The new entry 0; the oldest falls out of the first length entries.
    void push(float x, float y);
    // Moves the first length entries by (dx, dy).
    void shift(float dx, float dy);
    // Entry k, 0 the newest; needs storage (a length of at least 1).
    entry_t& entry(uint32_t k) { return entries[(head + k) & (capacity - 1)]; }

    uint32_t head = 0; // index of the newest entry in the storage
    uint32_t length = 0;
    uint32_t capacity = 0; // the smallest power of two >= length, 1 for lengths 0 and 1
    std::vector<entry_t> entries;
};
