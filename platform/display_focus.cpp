#include "platform/display.h"
#include "platform/window.h"

#include <SDL.h>

namespace plat {

void return_focus(hwnd_t window) {
    SDL_Window* sdl = sdl_window(window);
    if (sdl == nullptr) {
        return;
    }
    SDL_RaiseWindow(sdl);
    SDL_SetWindowInputFocus(sdl);
}

void post_focus_event_for_test(hwnd_t window, bool gained) {
    SDL_Window* sdl = sdl_window(window);
    if (sdl == nullptr) {
        return;
    }
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = SDL_GetWindowID(sdl);
    e.window.event = gained ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST;
    SDL_PushEvent(&e);
}

} // namespace plat
