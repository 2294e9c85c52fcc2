#include "play/navigation.h"

#include <algorithm>
#include <cstring>

namespace {

// The table has 32 slots; the last five hold no message.
constexpr const char* messages[32] = {
    "DESTROY THE BODY",
    "DESTROY THE CORE",
    "DESTROY THE HEAD",
    "DESTROY ALL ENEMIES\nAND PICK UP ITEMS\nTO INCREASE THE POWER",
    "ENTER THE APICULTURE ZONE",
    "ENTER THE CIRCUIT",
    "ENTER THE ENEMY LINE",
    "SLOW DOWN",
    "MISSION COMPLETED.",
    "NIP THE EVILS IN THE BUD",
    "SANITIZE THE AREA\nOF ALL ENEMY SHIPS",
    "SEVER THE NET OF THE CELL",
    "SHIELD RECOVERD",
    "STILL THE BATTLE CONTINUES.\nTRY TO NEXT LEVEL.",
    "SOMETHING IS APPLOACHING\nFROM BEHIND",
    "WARNING",
    "WARNING\nAPPLOACHING A HUGE OBJECT",
    "WATCH OUT",
    "GUIDED MISSILES COMMING IN FAST",
    "WATCH OUT\nTHE GROWTH OF THE CELL",
    "WONDERFUL!",
    "ENTER THE ENEMY BASE",
    "CHECK YOUR BEHIND",
    "EMERGENCY ESCAPE",
    "MAX SPEED",
    "WATCH YOUR BACK",
    "CAUTION",
    "",
    "",
    "",
    "",
    "",
};

} // namespace

const char* navigation_message(int32_t index) {
    return index >= 0 && index < int32_t(std::size(messages)) ? messages[index] : "";
}

void navigation_t::start(const char* message) {
    const size_t n = std::min(std::strlen(message), sizeof text - 1);
    std::memcpy(text, message, n);
    text[n] = '\0';
    length = int32_t(n);
    line_breaks.clear();
    cursor_on = false;
    fade = 0;
    display_start = 0;
    reveal_position = 0;
    frame_counter = 0;
    hold_until = 0;
    if (text[0] == '\n') {
        line_breaks.push_back(0);
    }
    saved_char = text[0];
    text[0] = '\0';
}

void navigation_t::type() {
    if (reveal_position < length) {
        if (frame_counter % frames_per_char == 0) {
            text[reveal_position] = saved_char;
            ++reveal_position;
            if (text[reveal_position] == '\n') {
                line_breaks.push_back(reveal_position);
                if (line_breaks.size() >= max_line_breaks) {
                    display_start = std::min(length, line_breaks.front() + 1);
                    line_breaks.erase(line_breaks.begin());
                }
            }
            saved_char = text[reveal_position];
            text[reveal_position] = '\0';
            if (reveal_position == length) {
                hold_until = frame_counter + hold_frames;
            }
        }
    } else if (frame_counter >= hold_until && fade < fade_full) {
        fade += fade_step;
        if (fade >= fade_full) {
            start("");
        }
    }
    cursor_on = frame_counter % 16 < 10;
    ++frame_counter;
}
