#include "platform/present.h"

#include "platform/widen_row.h"
#include "platform/window_internal.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace plat {

struct presentation {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> canvas;
    // The window surface, place and scale of the last whole drawing; window rows can be redrawn in part
    // only while these hold.
    SDL_Surface* drawn_on = nullptr;
    SDL_Rect drawn_at{};
    int32_t drawn_scale = 0;
    // The picture as the window surface last showed it, while nothing but the picture has drawn there
    // since: GDI's drawings then redraw only what they changed.
    SDL_Surface* canvas_on = nullptr;
    std::vector<uint32_t> canvas_shown;
    rect_t sent{};
    // A source row converted.
    std::vector<uint32_t> row;
    // Where the source pixels last shown straight came from and went to, while the window still shows them.
    const dd_surface_t* copied_from = nullptr;
    rect_t copied_area{};
    rect_t copied_to{};
};

namespace {

// Source pixels compared at a time against those last shown.
constexpr int32_t piece = 16;

bool same_place(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// Compares pieces of rows in place: a library call for each few bytes would cost more than the comparison.
bool same_bytes(const uint8_t* a, const uint8_t* b, size_t n) {
    uint64_t differ = 0;
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t x = 0, y = 0;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        differ |= x ^ y;
    }
    for (; i < n; ++i) {
        differ |= uint64_t(a[i] ^ b[i]);
    }
    return differ == 0;
}

// Calls draw(x, n) for each run of consecutive pieces of a row of `width` pixels, `bytes` each, that differ
// between `now` and `before`, or for the whole row when every piece counts as changed; `before` is then
// brought up to date. One call per run keeps the enlargement's set-up out of the way of its stores.
template <class Draw>
void each_changed_run(const uint8_t* now, uint8_t* before, int32_t width, size_t bytes, bool all, Draw draw) {
    // Whole rows first: most rows of a still picture are unchanged, and the library's comparison is fast.
    if (!all && std::memcmp(now, before, size_t(width) * bytes) == 0) {
        return;
    }
    auto same = [&](int32_t x) {
        return !all &&
               same_bytes(now + x * bytes, before + x * bytes, size_t(std::min(piece, width - x)) * bytes);
    };
    for (int32_t x = 0; x < width;) {
        if (same(x)) {
            x += piece;
            continue;
        }
        int32_t end = x + piece;
        while (end < width && !same(end)) {
            end += piece;
        }
        end = std::min(end, width);
        draw(x, end - x);
        x = end;
    }
    std::memcpy(before, now, size_t(width) * bytes);
}

// The window area that pieces redrawn in one presentation cover, sent to the screen alone.
struct changed_area_t {
    int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;

    void add(int32_t x, int32_t y, int32_t w, int32_t h) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + w);
        bottom = std::max(bottom, y + h);
    }
    void send(SDL_Window* window, presentation* p) const {
        p->sent = {};
        if (left < right) {
            const SDL_Rect r{left, top, right - left, bottom - top};
            SDL_UpdateWindowSurfaceRects(window, &r, 1);
            p->sent = {left, top, right, bottom};
        }
    }
};

// The primary surface whose copies went straight to the window, leaving its window's picture out of date
// (there is one primary at a time).
dd_surface_t* stale_primary = nullptr;
hwnd_t stale_window = nullptr;

pixel_layout_t canvas_layout() {
    pixel_layout_t l;
    l.bits = 32;
    l.red_mask = 0xFF0000;
    l.green_mask = 0x00FF00;
    l.blue_mask = 0x0000FF;
    return l;
}

// Brings the picture to the client area's size; presentation scales it to the window.
presentation* prepare(hwnd_t w) {
    if (!is_window(w)) {
        return nullptr;
    }
    if (w->shown == nullptr) {
        // The X server's shared-memory image rather than a texture: where OpenGL rasterizes on the CPU the
        // texture costs several times the copy. An environment setting still overrides this.
        SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
        w->shown = new presentation();
    }
    presentation* p = w->shown;
    rect_t client;
    get_client_rect(w, &client);
    const int32_t width = std::max(client.right, 1);
    const int32_t height = std::max(client.bottom, 1);
    if (width != p->width || height != p->height) {
        p->width = width;
        p->height = height;
        p->canvas.assign(size_t(width) * size_t(height), 0);
    }
    return p;
}

uint32_t* canvas_row(presentation* p, int32_t y) {
    return p->canvas.data() + size_t(y) * size_t(p->width);
}

// The picture's place in the window: centred, by whole steps when it fits, otherwise shrunk to fit.
SDL_Rect placement(const presentation* p, const SDL_Surface* out, int32_t scale) {
    SDL_Rect to{0, 0, p->width * scale, p->height * scale};
    if (scale < 1) {
        const double fit = std::min(double(out->w) / p->width, double(out->h) / p->height);
        to.w = int(p->width * fit);
        to.h = int(p->height * fit);
    }
    to.x = (out->w - to.w) / 2;
    to.y = (out->h - to.h) / 2;
    return to;
}

void clear_around(SDL_Surface* out, const SDL_Rect& picture) {
    const SDL_Rect bands[] = {
        {0, 0, out->w, picture.y},
        {0, picture.y + picture.h, out->w, out->h - picture.y - picture.h},
        {0, picture.y, picture.x, picture.h},
        {picture.x + picture.w, picture.y, out->w - picture.x - picture.w, picture.h},
    };
    for (const SDL_Rect& band : bands) {
        if (band.w > 0 && band.h > 0) {
            SDL_FillRect(out, &band, SDL_MapRGB(out->format, 0, 0, 0));
        }
    }
}

// Shows the picture in the window's own surface. Each row is brought up to date by refresh_row just
// before it is enlarged, so a converted row is still in the cache when it is read again.
template <typename refresh_row_t> void show(hwnd_t w, presentation* p, refresh_row_t refresh_row) {
    SDL_Surface* out = SDL_GetWindowSurface(w->sdl);
    if (out == nullptr) {
        for (int32_t y = 0; y < p->height; ++y) {
            refresh_row(y);
        }
        return;
    }
    const int32_t scale = std::min(out->w / p->width, out->h / p->height);
    const SDL_Rect to = placement(p, out, scale);
    const SDL_PixelFormat* f = out->format;
    const bool direct = scale >= 1 && f->BytesPerPixel == 4 && f->Rmask == 0xFF0000 && f->Gmask == 0x00FF00 &&
                        f->Bmask == 0x0000FF;
    clear_around(out, to);
    p->drawn_on = nullptr;
    p->canvas_on = nullptr;
    p->copied_from = nullptr;
    if (direct && SDL_LockSurface(out) == 0) {
        auto* first = static_cast<uint8_t*>(out->pixels) + ptrdiff_t(to.y) * out->pitch + ptrdiff_t(to.x) * 4;
        for (int32_t y = 0; y < p->height; ++y) {
            refresh_row(y);
            uint8_t* row = first + ptrdiff_t(y) * scale * out->pitch;
            widen_row(canvas_row(p, y), reinterpret_cast<uint32_t*>(row), p->width, scale);
            for (int32_t copy = 1; copy < scale; ++copy) {
                std::memcpy(row + ptrdiff_t(copy) * out->pitch, row, size_t(to.w) * 4);
            }
        }
        SDL_UnlockSurface(out);
        p->drawn_on = out;
        p->drawn_at = to;
        p->drawn_scale = scale;
        p->canvas_on = out;
        p->canvas_shown = p->canvas;
    } else {
        // A window of another pixel layout, or smaller than the picture: SDL converts and scales.
        for (int32_t y = 0; y < p->height; ++y) {
            refresh_row(y);
        }
        SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormatFrom(p->canvas.data(), p->width, p->height, 32,
                                                                  p->width * 4, SDL_PIXELFORMAT_XRGB8888);
        if (picture != nullptr) {
            SDL_Rect into = to;
            SDL_BlitScaled(picture, nullptr, out, &into);
            SDL_FreeSurface(picture);
        }
    }
    SDL_UpdateWindowSurface(w->sdl);
    p->sent = {0, 0, out->w, out->h};
}

// Converts the window's client-area part of the primary surface into the picture, for rows [top, bottom).
void refresh_rows(hwnd_t w, presentation* p, dd_surface_t* primary, int32_t top, int32_t bottom) {
    pixel_view_t canvas;
    canvas.first = reinterpret_cast<uint8_t*>(p->canvas.data());
    canvas.pitch = ptrdiff_t(p->width) * 4;
    canvas.width = p->width;
    canvas.height = p->height;
    canvas.layout = canvas_layout();
    point_t origin;
    client_to_screen(w, &origin);
    const pixel_view_t screen = view_of(primary);
    const rect_t shown = clip_to_view(screen, origin.x, origin.y, canvas.width, canvas.height);
    for (int32_t y = top; y < bottom; ++y) {
        const int32_t from_y = origin.y + y;
        if (from_y >= shown.top && from_y < shown.bottom) {
            convert_area(screen, shown.left, from_y, canvas, shown.left - origin.x, y,
                         shown.right - shown.left, 1);
        }
    }
}

} // namespace

void destroy_presentation(window* w) {
    presentation* p = w->shown;
    if (p == nullptr) {
        return;
    }
    delete p;
    w->shown = nullptr;
}

pixel_view_t window_canvas(hwnd_t w) {
    presentation* p = prepare(w);
    pixel_view_t v;
    if (p == nullptr) {
        return v;
    }
    if (stale_primary != nullptr && stale_window == w) {
        dd_surface_t* primary = stale_primary;
        stale_primary = nullptr;
        refresh_rows(w, p, primary, 0, p->height);
    }
    v.first = reinterpret_cast<uint8_t*>(p->canvas.data());
    v.pitch = ptrdiff_t(p->width) * 4;
    v.width = p->width;
    v.height = p->height;
    v.layout = canvas_layout();
    return v;
}

// Redraws the pieces of the picture that differ from what the window surface last showed of it, when the
// surface still shows the picture at the same place; false when it does not.
bool show_changes(hwnd_t w, presentation* p) {
    SDL_Surface* out = SDL_GetWindowSurface(w->sdl);
    if (out == nullptr || out != p->canvas_on || p->canvas_shown.size() != p->canvas.size() ||
        !same_place(placement(p, out, p->drawn_scale), p->drawn_at) || SDL_LockSurface(out) != 0) {
        return false;
    }
    const int32_t scale = p->drawn_scale;
    auto* first = static_cast<uint8_t*>(out->pixels) + ptrdiff_t(p->drawn_at.y) * out->pitch +
                  ptrdiff_t(p->drawn_at.x) * 4;
    changed_area_t changed;
    for (int32_t y = 0; y < p->height; ++y) {
        const uint32_t* now = canvas_row(p, y);
        uint32_t* before = p->canvas_shown.data() + size_t(y) * size_t(p->width);
        each_changed_run(
            reinterpret_cast<const uint8_t*>(now), reinterpret_cast<uint8_t*>(before), p->width, 4, false,
            [&](int32_t x, int32_t n) {
                widen_row_into(now + x, first + ptrdiff_t(y) * scale * out->pitch + ptrdiff_t(x) * scale * 4,
                               out->pitch, scale, n, scale);
                changed.add(p->drawn_at.x + x * scale, p->drawn_at.y + y * scale, n * scale, scale);
            });
    }
    SDL_UnlockSurface(out);
    changed.send(w->sdl, p);
    return true;
}

void present_window(hwnd_t w) {
    presentation* p = prepare(w);
    if (p != nullptr) {
        if (!show_changes(w, p)) {
            show(w, p, [](int32_t) {});
        }
        // What GDI drew in the window may lie outside what the primary surface's copies redraw.
        p->drawn_on = nullptr;
    }
}

void present_primary(dd_surface_t* primary) {
    hwnd_t w = primary->window();
    presentation* p = prepare(w);
    if (p == nullptr) {
        return;
    }
    if (stale_window == w) {
        stale_primary = nullptr;
    }
    p->copied_from = nullptr;
    show(w, p, [&](int32_t y) { refresh_rows(w, p, primary, y, y + 1); });
}

bool present_primary_copy(dd_surface_t* primary, dd_surface_t* source, const rect_t& from, const rect_t& to,
                          std::vector<uint8_t>& shown) {
    hwnd_t w = primary->window();
    presentation* p = prepare(w);
    SDL_Surface* out = p != nullptr ? SDL_GetWindowSurface(w->sdl) : nullptr;
    const pixel_view_t picture = view_of(source);
    point_t origin;
    client_to_screen(w, &origin);
    const int32_t sw = from.right - from.left, sh = from.bottom - from.top;
    const int32_t left = to.left - origin.x, top = to.top - origin.y;
    // Straight to the window only where the window still shows the last whole drawing, the copy lies inside
    // the client area and enlarges by whole steps, and its source converts row by row.
    const bool straight = out != nullptr && out == p->drawn_on && p->drawn_scale >= 1 && sw > 0 && sh > 0 &&
                          (to.right - to.left) % sw == 0 && (to.bottom - to.top) % sh == 0 && left >= 0 &&
                          top >= 0 && to.right - origin.x <= p->width && to.bottom - origin.y <= p->height &&
                          picture.layout.bits >= 16 && picture.layout.palette == nullptr;
    if (!straight) {
        return false;
    }
    const int32_t scale = p->drawn_scale;
    const SDL_Rect at = placement(p, out, scale);
    if (!same_place(at, p->drawn_at) || SDL_LockSurface(out) != 0) {
        return false;
    }
    const int32_t across = (to.right - to.left) / sw * scale, down = (to.bottom - to.top) / sh * scale;
    const size_t bytes = picture.layout.bits / 8;
    // A new primary surface's `shown` is empty, which no earlier copy of the same size matches.
    const bool again = p->copied_from == source && p->copied_area == from && p->copied_to == to &&
                       shown.size() == size_t(sw) * size_t(sh) * bytes;
    shown.resize(size_t(sw) * size_t(sh) * bytes);
    p->row.resize(size_t(sw));
    pixel_view_t row;
    row.first = reinterpret_cast<uint8_t*>(p->row.data());
    row.pitch = ptrdiff_t(sw) * 4;
    row.width = sw;
    row.height = 1;
    row.layout = canvas_layout();
    auto* first = static_cast<uint8_t*>(out->pixels) + ptrdiff_t(at.y + top * scale) * out->pitch +
                  ptrdiff_t(at.x + left * scale) * 4;
    changed_area_t changed;
    for (int32_t y = 0; y < sh; ++y) {
        const uint8_t* pixels = picture.row(from.top + y) + size_t(from.left) * bytes;
        uint8_t* before = shown.data() + size_t(y) * size_t(sw) * bytes;
        bool converted = false;
        each_changed_run(pixels, before, sw, bytes, !again, [&](int32_t x, int32_t n) {
            if (!converted) {
                convert_area(picture, from.left, from.top + y, row, 0, 0, sw, 1);
                converted = true;
            }
            uint8_t* target = first + ptrdiff_t(y) * down * out->pitch + ptrdiff_t(x) * across * 4;
            widen_row_into(p->row.data() + x, target, out->pitch, down, n, across);
            changed.add(at.x + left * scale + x * across, at.y + top * scale + y * down, n * across, down);
        });
    }
    SDL_UnlockSurface(out);
    p->copied_from = source;
    p->copied_area = from;
    p->copied_to = to;
    p->canvas_on = nullptr;
    stale_primary = primary;
    stale_window = w;
    changed.send(w->sdl, p);
    return true;
}

void present_exposed(hwnd_t w) {
    // Presentations send only what changed, so what the screen lost must be sent again.
    if (is_window(w) && w->shown != nullptr) {
        SDL_UpdateWindowSurface(w->sdl);
    }
}

void forget_primary(dd_surface_t* primary) {
    if (stale_primary == primary) {
        stale_primary = nullptr;
    }
}

rect_t last_sent_for_test(hwnd_t w) {
    return is_window(w) && w->shown != nullptr ? w->shown->sent : rect_t{};
}

std::vector<uint32_t> read_window_pixels_for_test(hwnd_t w, int32_t* width, int32_t* height) {
    SDL_Surface* out = is_window(w) && w->shown != nullptr ? SDL_GetWindowSurface(w->sdl) : nullptr;
    if (out == nullptr) {
        return {};
    }
    std::vector<uint32_t> pixels(size_t(out->w) * size_t(out->h));
    if (SDL_ConvertPixels(out->w, out->h, out->format->format, out->pixels, out->pitch,
                          SDL_PIXELFORMAT_XRGB8888, pixels.data(), out->w * 4) != 0) {
        return {};
    }
    *width = out->w;
    *height = out->h;
    return pixels;
}

} // namespace plat
