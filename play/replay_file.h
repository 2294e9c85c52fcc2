// Replay files (.ply): the play settings of the run followed by one input byte per update frame.
#pragma once

#include "play/playinfo.h"

#include <cstdint>
#include <string>
#include <vector>

// Reads the record into header, then exactly header->input_length bytes into stream. False when the file
// cannot be opened, the record is short, input_length is not positive or the file holds fewer bytes than
// it announces; once the record was read, header keeps it even when the stream fails.
bool load_replay_file(const std::string& path, playinfo_t* header, std::vector<uint8_t>& stream);

// The bytes of a replay file: the record with input_length set to the stream's length, then the stream.
std::vector<uint8_t> replay_file_bytes(const playinfo_t& header, const std::vector<uint8_t>& stream);
