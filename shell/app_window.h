// The program's one window: a fixed-size centred window whose client area fits the scaled picture, or a
// borderless topmost window over the whole screen; draggable by its client area in window mode.
#pragma once

#include "umlib/base_window.h"

#include <cstdint>
#include <functional>

class app_window_t : public umlib::base_window_t {
  public:
    // Receives the virtual-key code of every key-down message.
    using key_handler_t = std::function<void(int32_t virtual_key)>;
    // Recomputes where the picture is shown after the window moved or changed size.
    using view_handler_t = std::function<void()>;

    // screen_mode is a display-mode word: 0 the window, anything else full screen.
    app_window_t(int32_t screen_mode, int32_t blit_scale);
    ~app_window_t() override;

    // The title text alone for null, else the title text, " - [", text and "]".
    bool set_text(const char* text) override;

    void set_key_handler(key_handler_t handler);
    void set_view_handler(view_handler_t handler);
    // True while the program is the active application.
    bool active() const { return active_; }

  protected:
    void window_class(plat::window_class_t& wc) override;
    void create_params(plat::create_struct_t& cs) override;
    plat::lresult_t window_proc(uint32_t message, plat::wparam_t wparam, plat::lparam_t lparam) override;

  private:
    bool windowed() const { return screen_mode_ == 0; }
    void fit_client_area();

    key_handler_t key_handler_;
    view_handler_t view_handler_;
    bool active_ = false;
    int32_t screen_mode_;
    int32_t blit_scale_;
};
