// Windows as SDL windows: creation, procedures, text and geometry.
#include "platform/window_internal.h"
#include "platform/window_manager.h"

#include <SDL.h>

#include <algorithm>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace plat {

namespace {

std::map<std::string, window_class_t>& classes() {
    static std::map<std::string, window_class_t> table;
    return table;
}

// Windows still open when the program ends are taken down with it, as the system does for a process.
struct window_list_t {
    std::vector<std::unique_ptr<window>> windows;
    ~window_list_t() {
        for (const auto& w : windows) {
            destroy_presentation(w.get());
            SDL_DestroyWindow(w->sdl);
        }
    }
};

std::vector<std::unique_ptr<window>>& windows() {
    static window_list_t list;
    return list.windows;
}

constexpr int32_t default_width = 640;
constexpr int32_t default_height = 480;

SDL_HitTestResult hit_test(SDL_Window*, const SDL_Point* point, void* data) {
    auto* w = static_cast<window*>(data);
    const lparam_t where = lparam_t(uint16_t(point->x)) | lparam_t(uint16_t(point->y)) << 16;
    return send_message(w, wm_nchittest, 0, where) == ht_caption ? SDL_HITTEST_DRAGGABLE : SDL_HITTEST_NORMAL;
}

} // namespace

bool video_ready() {
    static bool ready = SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
    return ready;
}

bool register_class(const window_class_t& wc) {
    return classes().emplace(wc.class_name, wc).second;
}

hwnd_t create_window(const create_struct_t& cs) {
    install_close_signals();
    const auto found = classes().find(cs.class_name);
    if (found == classes().end() || !video_ready()) {
        return nullptr;
    }
    auto w = std::make_unique<window>();
    w->proc = found->second.window_proc;
    w->class_name = cs.class_name;
    w->text = cs.name;
    w->parent = cs.parent;
    w->style = cs.style;
    w->ex_style = cs.ex_style;
    const bool default_place = cs.x == cw_usedefault;
    const int32_t width = cs.cx == cw_usedefault ? default_width : cs.cx;
    const int32_t height = cs.cy == cw_usedefault ? default_height : cs.cy;
    uint32_t flags = SDL_WINDOW_HIDDEN;
    if (cs.style & ws_popup) {
        flags |= SDL_WINDOW_BORDERLESS;
    }
    if (cs.style & ws_thickframe) {
        flags |= SDL_WINDOW_RESIZABLE;
    }
    if (cs.ex_style & ws_ex_topmost) {
        flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    }
    w->sdl = SDL_CreateWindow(cs.name.c_str(), default_place ? int(SDL_WINDOWPOS_CENTERED) : cs.x,
                              default_place ? int(SDL_WINDOWPOS_CENTERED) : cs.y, std::max(width, 1),
                              std::max(height, 1), flags);
    if (w->sdl == nullptr) {
        return nullptr;
    }
    window* raw = w.get();
    SDL_SetWindowData(raw->sdl, "plat", raw);
    SDL_SetWindowHitTest(raw->sdl, hit_test, raw);
    windows().push_back(std::move(w));
    create_struct_t copy = cs;
    if (raw->proc != nullptr && raw->proc(raw, wm_create, 0, lparam_t(&copy)) == -1) {
        destroy_window(raw);
        return nullptr;
    }
    return raw;
}

std::vector<hwnd_t> all_windows() {
    std::vector<hwnd_t> list;
    for (const auto& w : windows()) {
        list.push_back(w.get());
    }
    return list;
}

bool is_window(hwnd_t w) {
    return std::any_of(windows().begin(), windows().end(), [w](const auto& p) { return p.get() == w; });
}

bool destroy_window(hwnd_t w) {
    // A window destroying itself again from its wm_destroy handler is already on its way out.
    if (!is_window(w) || w->destroying) {
        return false;
    }
    w->destroying = true;
    send_message(w, wm_destroy, 0, 0);
    destroy_presentation(w);
    SDL_DestroyWindow(w->sdl);
    forget_messages(w);
    auto& list = windows();
    list.erase(std::remove_if(list.begin(), list.end(), [w](const auto& p) { return p.get() == w; }),
               list.end());
    return true;
}

lresult_t def_window_proc(hwnd_t w, uint32_t message, wparam_t, lparam_t) {
    switch (message) {
    case wm_close:
        destroy_window(w);
        return 0;
    case wm_nchittest:
        return ht_client;
    default:
        return 0;
    }
}

intptr_t set_window_long(hwnd_t w, int index, intptr_t value) {
    if (!is_window(w) || index < 0 || size_t(index) >= w->extra.size()) {
        return 0;
    }
    return std::exchange(w->extra[size_t(index)], value);
}

intptr_t get_window_long(hwnd_t w, int index) {
    if (!is_window(w) || index < 0 || size_t(index) >= w->extra.size()) {
        return 0;
    }
    return w->extra[size_t(index)];
}

bool set_window_text(hwnd_t w, const std::string& text) {
    if (!is_window(w)) {
        return false;
    }
    w->text = text;
    SDL_SetWindowTitle(w->sdl, text.c_str());
    return true;
}

std::string get_window_text(hwnd_t w) {
    return is_window(w) ? w->text : std::string();
}

bool show_window(hwnd_t w, bool show) {
    if (!is_window(w)) {
        return false;
    }
    const bool was_visible = (SDL_GetWindowFlags(w->sdl) & SDL_WINDOW_SHOWN) != 0;
    if (show) {
        SDL_ShowWindow(w->sdl);
        SDL_RaiseWindow(w->sdl);
    } else {
        SDL_HideWindow(w->sdl);
    }
    return was_visible;
}

bool update_window(hwnd_t w) {
    return is_window(w);
}

bool move_window(hwnd_t w, int32_t x, int32_t y, int32_t width, int32_t height, bool) {
    if (!is_window(w)) {
        return false;
    }
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowBordersSize(w->sdl, &top, &left, &bottom, &right);
    SDL_SetWindowPosition(w->sdl, x + left, y + top);
    SDL_SetWindowSize(w->sdl, std::max(width - left - right, 1), std::max(height - top - bottom, 1));
    send_message(w, wm_move, 0, 0);
    send_message(w, wm_size, 0, 0);
    return true;
}

bool get_window_rect(hwnd_t w, rect_t* out) {
    if (!is_window(w) || out == nullptr) {
        return false;
    }
    int x = 0, y = 0, cw = 0, ch = 0;
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowPosition(w->sdl, &x, &y);
    SDL_GetWindowSize(w->sdl, &cw, &ch);
    SDL_GetWindowBordersSize(w->sdl, &top, &left, &bottom, &right);
    *out = {x - left, y - top, x + cw + right, y + ch + bottom};
    return true;
}

bool get_client_rect(hwnd_t w, rect_t* out) {
    if (!is_window(w) || out == nullptr) {
        return false;
    }
    if (w->mode_width > 0) {
        *out = {0, 0, w->mode_width, w->mode_height};
        return true;
    }
    int cw = 0, ch = 0;
    SDL_GetWindowSize(w->sdl, &cw, &ch);
    *out = {0, 0, cw, ch};
    return true;
}

bool client_to_screen(hwnd_t w, point_t* p) {
    if (!is_window(w) || p == nullptr) {
        return false;
    }
    if (w->mode_width > 0) {
        return true; // a full-screen mode's client area is the whole (virtual) screen
    }
    int x = 0, y = 0;
    SDL_GetWindowPosition(w->sdl, &x, &y);
    p->x += x;
    p->y += y;
    return true;
}

bool is_window_enabled(hwnd_t w) {
    return is_window(w) && w->enabled;
}

bool enable_window(hwnd_t w, bool enable) {
    if (!is_window(w)) {
        return false;
    }
    const bool was_disabled = !w->enabled;
    w->enabled = enable;
    return was_disabled;
}

hwnd_t set_parent(hwnd_t w, hwnd_t parent) {
    if (!is_window(w)) {
        return nullptr;
    }
    hwnd_t previous = w->parent;
    w->parent = parent;
    // Windows answers the previous parent, or the desktop when there was none; never null on success.
    return previous != nullptr ? previous : w;
}

bool window_is_active(hwnd_t w) {
    return is_window(w) && w->active;
}

int show_cursor(bool show) {
    static int count = 0;
    count += show ? 1 : -1;
    if (video_ready()) {
        SDL_ShowCursor(count >= 0 ? SDL_ENABLE : SDL_DISABLE);
    }
    return count;
}

int32_t screen_width() {
    SDL_DisplayMode mode;
    return video_ready() && SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.w : default_width;
}

int32_t screen_height() {
    SDL_DisplayMode mode;
    return video_ready() && SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.h : default_height;
}

bool set_window_display_mode(hwnd_t w, int32_t width, int32_t height) {
    if (!is_window(w)) {
        return false;
    }
    const bool leaving = width <= 0 && w->mode_width > 0;
    if (width > 0 && w->mode_width == 0) {
        SDL_GetWindowSize(w->sdl, &w->windowed_width, &w->windowed_height);
        SDL_GetWindowPosition(w->sdl, &w->windowed_x, &w->windowed_y);
    }
    w->mode_width = width > 0 ? width : 0;
    w->mode_height = width > 0 ? height : 0;
    if (width > 0 && !window_manager_running(w->sdl)) {
        // SDL's full screen would wait a tenth of a second for a window manager's answer; the borderless
        // window over the display is what it would give here.
        SDL_Rect display{};
        if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(w->sdl), 0), &display) != 0) {
            return false;
        }
        w->covering = true;
        SDL_SetWindowBordered(w->sdl, SDL_FALSE);
        SDL_SetWindowPosition(w->sdl, display.x, display.y);
        SDL_SetWindowSize(w->sdl, display.w, display.h);
        return true;
    }
    bool done = true;
    if (w->covering) {
        w->covering = false;
        SDL_SetWindowBordered(w->sdl, (w->style & ws_popup) != 0 ? SDL_FALSE : SDL_TRUE);
        SDL_SetWindowPosition(w->sdl, w->windowed_x, w->windowed_y);
    } else {
        done = SDL_SetWindowFullscreen(w->sdl, width > 0 ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) == 0;
    }
    if (leaving) {
        SDL_SetWindowSize(w->sdl, w->windowed_width, w->windowed_height); // not every video driver does it
    }
    return done;
}

SDL_Window* sdl_window(hwnd_t w) {
    return is_window(w) ? w->sdl : nullptr;
}

} // namespace plat
