// The command line: an optional replay file (as when a file is dropped on the program).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr int32_t scene_title = 1;
constexpr int32_t scene_named_replay = 6;
// The scene controller keeps the replay file name in a field of this many characters, terminator included.
constexpr size_t replay_name_size = 256;

// The source without any '"'.
std::string strip_quotes(const std::string& source);

// The scene the program opens with: the title for an empty command line, else the replay of the named
// file, which goes to replay_name. A name too long for the controller's field is refused with a boot-log
// line (the title opens instead) rather than cut.
int32_t first_scene(const std::string& command_line, std::string& replay_name);
