#include "platform/present.h"

#include "platform/widen_row.h"
#include "platform/window_internal.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace plat {

struct presentation {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> canvas;
};

namespace {

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
    v.first = reinterpret_cast<uint8_t*>(p->canvas.data());
    v.pitch = ptrdiff_t(p->width) * 4;
    v.width = p->width;
    v.height = p->height;
    v.layout = canvas_layout();
    return v;
}

void present_window(hwnd_t w) {
    presentation* p = prepare(w);
    if (p != nullptr) {
        show(w, p, [](int32_t) {});
    }
}

void present_primary(dd_surface_t* primary) {
    hwnd_t w = primary->window();
    presentation* p = prepare(w);
    if (p == nullptr) {
        return;
    }
    const pixel_view_t canvas = window_canvas(w);
    point_t origin;
    client_to_screen(w, &origin);
    const pixel_view_t screen = view_of(primary);
    const rect_t shown = clip_to_view(screen, origin.x, origin.y, canvas.width, canvas.height);
    show(w, p, [&](int32_t y) {
        const int32_t from_y = origin.y + y;
        if (from_y >= shown.top && from_y < shown.bottom) {
            convert_area(screen, shown.left, from_y, canvas, shown.left - origin.x, y,
                         shown.right - shown.left, 1);
        }
    });
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
