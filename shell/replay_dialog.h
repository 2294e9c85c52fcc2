// The open and save dialogs for replay files (.ply), shown over the game's picture.
#pragma once

#include <cstdint>

namespace umlib {
class vwindow_t;
}

// On true the buffer holds the chosen full path; its text on entry is offered as the initial name.
bool replay_open_dialog(umlib::vwindow_t* owner, char* name, uint32_t size);
bool replay_save_dialog(umlib::vwindow_t* owner, char* name, uint32_t size);
