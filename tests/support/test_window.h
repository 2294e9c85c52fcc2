// A shown borderless window of a given client size at a screen position, destroyed with the object.
#pragma once

#include "platform/window.h"

class test_window_t {
  public:
    test_window_t(int32_t x, int32_t y, int32_t width, int32_t height);
    ~test_window_t();
    test_window_t(const test_window_t&) = delete;
    test_window_t& operator=(const test_window_t&) = delete;

    plat::hwnd_t hwnd() const { return hwnd_; }

  private:
    plat::hwnd_t hwnd_;
};
