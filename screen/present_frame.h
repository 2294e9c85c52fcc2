// Presenting a finished frame the way every scene does: on the vertical blank while VSYNC pacing is on.
#pragma once

// The VSYNC pacing flag: true when scenes wait for the vertical blank before presenting.
extern bool g_vsync;

// Waits for the vertical blank when g_vsync is set, then shows the back buffer's picture.
void present_frame();
