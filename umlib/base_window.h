// A window that registers its own class and routes that class's messages to the object that created it.
// Derived windows change the class, the creation parameters and the message handling.
#pragma once

#include "umlib/vwindow.h"

#include <string>

namespace umlib {

class base_window_t : public vwindow_t {
  public:
    base_window_t();
    ~base_window_t() override;

    // Registers the class when needed and creates the window; a null title makes an empty window name.
    bool create(const char* title) override;
    bool destroy() override;

  protected:
    virtual void window_class(plat::window_class_t& wc);
    virtual void create_params(plat::create_struct_t& cs);
    virtual std::string register_class();
    virtual bool create_window(const plat::create_struct_t& cs);
    virtual plat::lresult_t dispatch(uint32_t message, plat::wparam_t wparam, plat::lparam_t lparam);
    virtual plat::lresult_t window_proc(uint32_t message, plat::wparam_t wparam, plat::lparam_t lparam);

  private:
    static plat::lresult_t static_window_proc(plat::hwnd_t window, uint32_t message, plat::wparam_t wparam,
                                              plat::lparam_t lparam);
};

} // namespace umlib
