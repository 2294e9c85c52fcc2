// The sample pictures of the player's ship and its attachments and of the items, added to the sprite
// table at the indices the sample object table draws them with.
#pragma once

#include <string>

// Runs after the sprite table is written; false with a message when a file cannot be read or written.
bool write_ship_pictures(const std::string& root, std::string& error);
