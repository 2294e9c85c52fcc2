// The one reset of a play's mutable globals, so that a play or a replay can run twice in one process and
// give the same frames.
#pragma once

// Sets every play global back to its start value. Called at the start of a play (a run, a replay or a
// demo), never between its stages: the score and the lives carry over stages.
void reset_play_state();
