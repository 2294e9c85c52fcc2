// The navigation message that the stage script types onto the screen, letter by letter, and fades out.
#pragma once

#include <cstdint>
#include <vector>

struct navigation_t {
    // Nothing shown: every stage load starts with an empty display.
    void clear() { *this = navigation_t{}; }

    char text[128] = {};
    char saved_char = 0; // the character under the terminating zero while typing
    bool cursor_on = false;
    int32_t fade = 0; // 0..256
    int32_t display_start = 0;
    int32_t reveal_position = 0;
    int32_t length = 0;
    uint32_t frame_counter = 0;
    uint32_t hold_until = 0;
    std::vector<int32_t> line_breaks; // oldest first
};
