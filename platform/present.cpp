#include "platform/present.h"

#include "platform/window_internal.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace plat {

struct presentation {
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    bool renderer_tried = false;
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

// Whether the renderer draws through OpenGL on the CPU (a machine without a GPU): scaling the picture there
// costs several times what SDL's own software renderer costs writing straight into the window.
bool rasterizes_in_software(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0) {
        return false;
    }
    using get_string_t = const unsigned char* (*)(unsigned);
    const auto get_string = reinterpret_cast<get_string_t>(SDL_GL_GetProcAddress("glGetString"));
    constexpr unsigned gl_renderer = 0x1F01;
    const auto* name =
        get_string != nullptr ? reinterpret_cast<const char*>(get_string(gl_renderer)) : nullptr;
    return name != nullptr &&
           (std::strstr(name, "llvmpipe") != nullptr || std::strstr(name, "softpipe") != nullptr ||
            std::strstr(name, "Software Rasterizer") != nullptr);
}

// The first renderer SDL offers, unless it rasterizes in software and the user named none: then SDL's
// software renderer, presenting the window's own surface without a GPU texture in between.
SDL_Renderer* create_renderer(SDL_Window* window) {
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
    if (renderer == nullptr || SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr ||
        !rasterizes_in_software(renderer)) {
        return renderer;
    }
    SDL_DestroyRenderer(renderer);
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    return renderer != nullptr ? renderer : SDL_CreateRenderer(window, -1, 0);
}

// Brings the picture to the client area's size; the renderer scales it to the window.
presentation* prepare(hwnd_t w) {
    if (!is_window(w)) {
        return nullptr;
    }
    if (w->shown == nullptr) {
        w->shown = new presentation();
    }
    presentation* p = w->shown;
    if (!p->renderer_tried) {
        p->renderer_tried = true;
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
        p->renderer = create_renderer(w->sdl);
    }
    rect_t client;
    get_client_rect(w, &client);
    const int32_t width = std::max(client.right, 1);
    const int32_t height = std::max(client.bottom, 1);
    if (width != p->width || height != p->height) {
        p->width = width;
        p->height = height;
        p->canvas.assign(size_t(width) * size_t(height), 0);
        if (p->texture != nullptr) {
            SDL_DestroyTexture(p->texture);
            p->texture = nullptr;
        }
        if (p->renderer != nullptr) {
            p->texture = SDL_CreateTexture(p->renderer, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING,
                                           width, height);
            SDL_RenderSetLogicalSize(p->renderer, width, height);
        }
    }
    return p;
}

} // namespace

void destroy_presentation(window* w) {
    presentation* p = w->shown;
    if (p == nullptr) {
        return;
    }
    if (p->texture != nullptr) {
        SDL_DestroyTexture(p->texture);
    }
    if (p->renderer != nullptr) {
        SDL_DestroyRenderer(p->renderer);
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
    if (p == nullptr || p->texture == nullptr) {
        return;
    }
    // Whole steps keep pixels sharp; a window smaller than the picture (a full-screen request the
    // window manager has not carried out) shrinks it to fit instead.
    int out_w = 0, out_h = 0;
    SDL_GetRendererOutputSize(p->renderer, &out_w, &out_h);
    SDL_RenderSetIntegerScale(p->renderer, out_w >= p->width && out_h >= p->height ? SDL_TRUE : SDL_FALSE);
    SDL_UpdateTexture(p->texture, nullptr, p->canvas.data(), p->width * 4);
    SDL_SetRenderDrawColor(p->renderer, 0, 0, 0, 255);
    SDL_RenderClear(p->renderer);
    SDL_RenderCopy(p->renderer, p->texture, nullptr, nullptr);
    SDL_RenderPresent(p->renderer);
}

void present_primary(dd_surface_t* primary) {
    hwnd_t w = primary->window();
    const pixel_view_t canvas = window_canvas(w);
    if (!canvas.valid()) {
        return;
    }
    point_t origin;
    client_to_screen(w, &origin);
    const pixel_view_t screen = view_of(primary);
    const rect_t shown = clip_to_view(screen, origin.x, origin.y, canvas.width, canvas.height);
    convert_area(screen, shown.left, shown.top, canvas, shown.left - origin.x, shown.top - origin.y,
                 shown.right - shown.left, shown.bottom - shown.top);
    present_window(w);
}

std::vector<uint32_t> read_window_pixels_for_test(hwnd_t w, int32_t* width, int32_t* height) {
    presentation* p = is_window(w) ? w->shown : nullptr;
    int out_w = 0, out_h = 0;
    if (p == nullptr || p->renderer == nullptr ||
        SDL_GetRendererOutputSize(p->renderer, &out_w, &out_h) != 0) {
        return {};
    }
    // Read the whole output, outside the logical viewport too, then put the scaling back.
    SDL_RenderSetLogicalSize(p->renderer, 0, 0);
    SDL_RenderSetViewport(p->renderer, nullptr);
    std::vector<uint32_t> pixels(size_t(out_w) * size_t(out_h));
    const bool read =
        SDL_RenderReadPixels(p->renderer, nullptr, SDL_PIXELFORMAT_XRGB8888, pixels.data(), out_w * 4) == 0;
    SDL_RenderSetLogicalSize(p->renderer, p->width, p->height);
    if (!read) {
        return {};
    }
    *width = out_w;
    *height = out_h;
    return pixels;
}

} // namespace plat
