// Presenting a finished frame the way every scene does: on the vertical blank while VSYNC pacing is on.
#pragma once

// Waits for the vertical blank when g_vsync is set (unless the TIMER loop paces the frames), then shows the
// back buffer's picture.
void present_frame();
