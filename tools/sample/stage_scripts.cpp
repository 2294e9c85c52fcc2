#include "tools/sample/stage_scripts.h"

#include "play/stage_events.h"
#include "tools/sample/stage_files.h"

namespace {

namespace ev = stage_event;

constexpr int32_t fade_point = 5; // over the world, beneath the overlay texts
constexpr int32_t slow_level = 2;
constexpr int32_t fast_level = 4;
constexpr int32_t message_huge_object = 16;

} // namespace

std::vector<eventinfo_t> sample_stage_script(const stage_outline_t& outline) {
    const uint32_t last = outline.sections - 1;
    // A slow section and a fast one of the same length in frames: the stage lasts as long as at one speed.
    return {
        {ev::blackout, 0, 0, fade_point},
        {ev::fade_in, 0, 0, fade_point},
        {ev::navigation, 0, 0, outline.sign},
        {ev::scroll_level, 0, position(1, 0), slow_level},
        {ev::scroll_level_normal, 0, position(2, 0), 0},
        {ev::scroll_level, 0, position(3, 0), fast_level},
        {ev::navigation, 0, position(3, 128), message_huge_object},
        {ev::scroll_level_normal, 0, position(4, 0), 0},
        {ev::fade_out_black, 0, position(last, 192), fade_point},
        {ev::bgm_fade, 0, position(last, 192), 0},
    };
}
