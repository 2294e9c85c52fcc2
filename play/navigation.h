// The navigation message that the stage script types onto the screen, letter by letter, and fades out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct navigation_t {
    static constexpr int32_t message_count = 27;
    static constexpr int32_t frames_per_char = 4;
    static constexpr uint32_t hold_frames = 80;
    static constexpr int32_t fade_step = 8;
    static constexpr int32_t fade_full = 256;
    // At this many line breaks on display the oldest line scrolls away.
    static constexpr size_t max_line_breaks = 5;

    // Nothing shown: every stage load starts with an empty display.
    void clear() { *this = navigation_t{}; }
    // Replaces whatever is typed or shown with a new message, nothing of it revealed yet.
    void start(const char* message);
    // One update frame: the next character every 4 frames, the hold, the fade-out, the cursor blink.
    void type();
    // Nothing visible: the text at the display start is empty.
    bool is_empty() const { return text[display_start] == '\0'; }

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

// The text of a message, "" for an index outside the table.
const char* navigation_message(int32_t index);
