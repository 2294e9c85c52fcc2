// What the recording, replay and demo scenes share: the same start of a recorded run, so that a recording
// and its playback begin from equal globals, and the blinking mark in the bottom-right corner.
#pragma once

#include <cstdint>

struct playinfo_t;

// Every play global back to its start, then the score bookkeeping reset to the header's score (no
// pending bonus, the next extra life from that score) and the lives to its lives, at most lives_cap.
void begin_recorded_run(const playinfo_t& header);
// The mark's weight at a frame count: opaque at 0, transparent at 32, period 64.
int32_t mark_blink_weight(uint32_t frame);
// Cell 0 of a sprite, blinking, in the bottom-right corner of the main game screen.
void draw_corner_mark(int32_t sprite);
