#include "platform/window_manager.h"

#include <SDL.h>
#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace plat {

namespace {

std::optional<bool>& forced() {
    static std::optional<bool> answer;
    return answer;
}

} // namespace

void force_window_manager_for_test(std::optional<bool> running) {
    forced() = running;
}

bool window_manager_running(SDL_Window* window) {
    if (forced()) {
        return *forced();
    }
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
        return true;
    }
    // A window manager that follows the desktop conventions names a window of its own on the root window.
    Display* display = info.info.x11.display;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool read = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                                         &type, &format, &count, &after, &data) == Success;
    if (data != nullptr) {
        XFree(data);
    }
    return read && type == XA_WINDOW && count == 1;
#else
    (void)window;
    return true;
#endif
}

} // namespace plat
