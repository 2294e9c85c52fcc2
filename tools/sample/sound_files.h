// The sample sound data: a short generated WAV for every effect id the game requests, small generated
// MIDI songs, and the effect and music tables that name them.
#pragma once

#include <string>

// Writes bin/setbl.txt, the music tables and bin/sound/ under root; false with a message on failure.
bool write_sound_files(const std::string& root, std::string& error);
