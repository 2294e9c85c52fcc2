// Whether a window manager answers a window's requests: without one, SDL waits for answers that never come.
#pragma once

#include <optional>

struct SDL_Window;

namespace plat {

// False only on an X display that no window manager announces itself on; other systems count as managed.
bool window_manager_running(SDL_Window* window);
// Test hook: the answer from now on, whatever the display; std::nullopt asks the display again.
void force_window_manager_for_test(std::optional<bool> running);

} // namespace plat
