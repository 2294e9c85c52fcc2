// The ids of the scenes, the whole vocabulary of scene changes, and the size of the controller's replay
// file name field.
#pragma once

#include <cstddef>
#include <cstdint>

enum scene_id_t : int32_t {
    scene_title = 1,
    scene_settings = 2,
    scene_typesel = 3,
    scene_play = 4,
    scene_replay_dialog = 5, // replay of a file chosen in the open dialog
    scene_named_replay = 6,  // replay of the file named in the controller's replay name
    scene_recplay = 7,       // play while recording
    scene_demo = 8,
    scene_gameover = 9,
    scene_ending = 10,
    scene_ranking = 11,
};

// Characters of the replay file name field, terminator included.
constexpr size_t replay_name_size = 256;
