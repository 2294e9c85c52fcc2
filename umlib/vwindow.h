// A thin object around a window handle, one virtual operation per common window call. Destroying the
// object leaves the window alone.
#pragma once

#include "platform/window.h"

#include <cstdint>
#include <string>

namespace umlib {

class vwindow_t {
  public:
    explicit vwindow_t(vwindow_t* parent);
    vwindow_t(const vwindow_t&) = delete;
    vwindow_t& operator=(const vwindow_t&) = delete;
    virtual ~vwindow_t();

    virtual void attach(plat::hwnd_t handle);
    virtual plat::hwnd_t handle() const;
    // Remembers the new parent only when the platform accepted it; returns the platform's answer.
    virtual plat::hwnd_t set_parent(vwindow_t* parent);
    virtual vwindow_t* parent() const;
    virtual bool set_text(const char* text);
    virtual std::string text() const;
    virtual int text_length() const;
    virtual bool is_enabled() const;
    virtual bool enable(bool enable);
    virtual bool show(bool show);
    virtual bool move(int32_t x, int32_t y, int32_t width, int32_t height);
    virtual plat::lresult_t send(uint32_t message, plat::wparam_t wparam, plat::lparam_t lparam);
    virtual bool post(uint32_t message, plat::wparam_t wparam, plat::lparam_t lparam);
    virtual void show_system_error(const char* caption, uint32_t error_code);
    // A null caption takes the window's own text.
    virtual int message_box(const char* text, const char* caption, uint32_t type);
    virtual bool is_valid() const;
    virtual bool create(const char* title) = 0;
    virtual bool destroy() = 0;

  protected:
    // For objects without a window of their own: the platform has nothing to re-parent.
    void remember_parent(vwindow_t* parent) { parent_ = parent; }

  private:
    plat::hwnd_t handle_ = nullptr;
    vwindow_t* parent_;
};

} // namespace umlib
