// Presenting a finished frame the way every scene does: on the vertical blank while VSYNC pacing is on.
#pragma once

// The VSYNC pacing flag: true when scenes wait for the vertical blank before presenting.
extern bool g_vsync;

// True while a TIMER-paced message loop runs: the loop alone paces the frames then.
extern bool g_timer_paced;

// Waits for the vertical blank when g_vsync is set (unless g_timer_paced), then shows the back buffer's
// picture.
void present_frame();
