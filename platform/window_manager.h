// Whether a window manager answers a window's requests: without one, SDL waits for answers that never come.
#pragma once

struct SDL_Window;

namespace plat {

// False only on an X display that no window manager announces itself on; other systems count as managed.
bool window_manager_running(SDL_Window* window);

} // namespace plat
