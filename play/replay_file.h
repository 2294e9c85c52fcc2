// Replay files (.ply): the play settings of the run followed by one input byte per update frame.
#pragma once

#include "play/playinfo.h"

#include <cstdint>
#include <string>
#include <vector>

// Reads the record and exactly its input_length bytes into stream; header takes the record only when the
// whole file is good, its start score and lives brought within their caps (with a boot-log line). False,
// with header untouched and the first bad field in reason (empty when the reader logged a refusal), when
// the file is missing or cannot be read, or a field is outside what a run can start from (input length 1 to
// what the file holds, level and loop 1..8, ship type 0..3, option type 1..2, power-up mode 0..1,
// section 0..0x7FFF, stage 0..999).
bool load_replay_file(const std::string& path, playinfo_t* header, std::vector<uint8_t>& stream,
                      std::string* reason = nullptr);

// The bytes of a replay file: the record with input_length set to the stream's length, then the stream.
std::vector<uint8_t> replay_file_bytes(const playinfo_t& header, const std::vector<uint8_t>& stream);
