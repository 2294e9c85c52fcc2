// What the main routine keeps for the whole run, and the start-up and shut-down steps that act on it.
#pragma once

#include "objects/object_count.h"
#include "play/scenectr.h"
#include "scenes/config.h"
#include "shell/app_window.h"

#include <cstdint>
#include <memory>

struct session_t {
    config_t config{};
    bool config_savable = true; // false when config.dat exists but could not be read whole
    std::unique_ptr<app_window_t> window;
    std::unique_ptr<scenectr_t> controller;
};

// Makes the game's folder (the executable's) the current one; every relative path depends on it.
void chdir_to_exe_folder();
// The screen-mode check: keeps a usable mode, or asks to take the first usable one. False when the program
// is to end at once (declined, or no usable mode).
bool check_screen_mode(config_t& config);
// Creates the managers in order, logging each; false at the first failure.
bool start_up(session_t& session);
// Start-up steps of the screen manager: creating it over the window, and loading the sprite table.
bool create_screen_manager(session_t& session);
bool load_sprite_table(session_t& session);
// Saves the configuration and takes everything down in order, logging every step even for what was never
// created.
void shut_down(session_t& session);
