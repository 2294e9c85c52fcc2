// The DirectDraw device of the platform library and its two presenters, windowed and full screen: they
// own the primary surface and the back buffer, make every other surface, and place the back buffer's
// picture on the screen.
#pragma once

#include "umlib/surface.h"

namespace umlib {

// Why the last presenter construction failed: a message and a result code ("" and 0 when none did).
extern const char* g_last_error_message;
extern plat::hresult_t g_last_error_code;

class draw_t : public draw_object_t {
  public:
    ~draw_t() override;

    // Computes dst and src for the part `area` of the back buffer (null: all of it) at a scale
    // (0 or less: stretched over the client area or screen), centred or at the top-left.
    virtual void set_view(const plat::rect_t* area, int scale, bool centre) = 0;
    virtual plat::hresult_t blt_back_to_primary();
    virtual surface_t* create_primary() = 0;
    virtual bool is_fullscreen() const = 0;

    // Factories: null when the object cannot be made.
    surface_t* create_surface(const plat::surface_desc_t* description);
    surface_t* create_offscreen(int width, int height);
    surface_t* create_surface_from_bitmap(plat::hbitmap_t bitmap);
    clipper_t* create_clipper();
    void destroy_object(draw_object_t* object);

    bool restore_all_surfaces();
    bool flip_to_gdi();
    void release();
    void release_surfaces();

    plat::hwnd_t hwnd = nullptr;
    int32_t mode = -1; // -1 as constructed, 0 windowed, 1 full screen
    surface_t* primary = nullptr;
    surface_t* back = nullptr;
    plat::rect_t dst;
    plat::rect_t src;
    plat::ddraw_t* ddraw = nullptr;

  protected:
    // Throws construction_error_t when DirectDraw cannot be created.
    draw_t();
    // Stores the last error, deletes what construction made and throws construction_error_t.
    [[noreturn]] void fail(const char* message, plat::hresult_t code, clipper_t* clipper = nullptr);
    // The primary surface and the back buffer (a side of 0 takes the primary's); a failure is reported
    // with `code`, the result of the last DirectDraw call made.
    void create_buffers(int back_width, int back_height, plat::hresult_t code);
    // dst and src for a scale of 1 or more, with dst's top-left corner at `origin` on the primary surface.
    void set_scaled_view(const plat::rect_t* area, int scale, plat::point_t origin);
    // The area's width and height times the scale.
    plat::point_t scaled_size(const plat::rect_t* area, int scale) const;
    // The area, or the whole back buffer when it is null.
    plat::rect_t area_or_back(const plat::rect_t* area) const;
};

class draw_normal_t : public draw_t {
  public:
    // A back width or height of 0 takes the primary surface's.
    draw_normal_t(plat::hwnd_t window, int back_width, int back_height);
    ~draw_normal_t() override;

    void set_view(const plat::rect_t* area, int scale, bool centre) override;
    surface_t* create_primary() override;
    bool is_fullscreen() const override { return false; }
};

class draw_fullscreen_t : public draw_t {
  public:
    // A back width or height of 0 takes the display mode's.
    draw_fullscreen_t(plat::hwnd_t window, int width, int height, int bits_per_pixel, int back_width,
                      int back_height);
    ~draw_fullscreen_t() override;

    void set_view(const plat::rect_t* area, int scale, bool centre) override;
    // The whole back buffer to the primary's top-left corner, unscaled (frames use the base's copy).
    plat::hresult_t blt_back_to_primary() override;
    surface_t* create_primary() override;
    bool is_fullscreen() const override { return true; }
};

// Clips d to p when the two overlap; otherwise d stays as it is.
void clip_if_overlapping(plat::rect_t& d, const plat::rect_t& p);

} // namespace umlib
