// The four built-in replays the title's attract mode plays: bin/demoplay0.ply to bin/demoplay3.ply,
// recorded by playing the sample stages with the game's own logic and a steering script.
#pragma once

#include <string>

// Needs the rest of the sample set under root (stages, object table, sprites); uses the screen manager
// when it runs, else makes one for the recording. False with a message on failure.
bool write_demo_replays(const std::string& root, std::string& error);
