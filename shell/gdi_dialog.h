// Makes a desktop dialog visible over the game's picture, full screen included.
#pragma once

// Clears the main game screen, presents it, and hands the screen to the desktop's drawing.
void prepare_gdi_dialog();
