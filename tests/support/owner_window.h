// Stands for a window that owns a dialog: a handle and nothing else.
#pragma once

#include "umlib/vwindow.h"

class owner_window_t : public umlib::vwindow_t {
  public:
    explicit owner_window_t(plat::hwnd_t handle) : vwindow_t(nullptr) { attach(handle); }
    bool create(const char*) override { return false; }
    bool destroy() override { return false; }
};
