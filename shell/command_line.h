// The command line: an optional replay file (as when a file is dropped on the program).
#pragma once

#include "play/scene_ids.h"

#include <cstdint>
#include <string>

// The source without any '"'.
std::string strip_quotes(const std::string& source);

// The command line's replay path, made absolute against start_folder (the folder the program was started
// in) when it is relative, so that it still names the file once the program has moved to its own folder.
std::string resolve_replay_path(const std::string& command_line, const std::string& start_folder);

// The scene the program opens with: the title for an empty command line, else the replay of the named
// file, which goes to replay_name. A name too long for the controller's field is refused with a boot-log
// line (the title opens instead) rather than cut.
int32_t first_scene(const std::string& command_line, std::string& replay_name);
