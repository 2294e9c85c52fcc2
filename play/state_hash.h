// A fingerprint of a play's game state after a frame: counters, position, random state, score, lives,
// scroll and fade, and every object's alive flag, position, hit points and pattern with the list windows.
// Two runs of the same input agree frame by frame exactly when the game is deterministic.
#pragma once

#include <cstdint>

class play_scene_t;

uint64_t play_state_hash(play_scene_t& scene);
