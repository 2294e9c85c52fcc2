// The four built-in replays the title's attract mode plays: bin/demoplay0.ply to bin/demoplay3.ply.
#pragma once

#include <string>

// One replay per ship type, each a short scripted flight; false with a message on failure.
bool write_demo_replays(const std::string& root, std::string& error);
