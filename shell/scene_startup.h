// Bringing the scene controller up at the end of the start-up and down at the start of the shut-down.
#pragma once

#include "shell/session.h"

// Creates the controller, links it with the window both ways and queues the first scene (the title, or
// the replay named on the command line); false, with an error line, when it cannot be created.
bool start_scenes(session_t& session);
// Unlinks and deletes the controller, if there is one.
void stop_scenes(session_t& session);
