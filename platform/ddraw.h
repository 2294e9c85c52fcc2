// Stand-in for the DirectDraw 7 device, surfaces and clippers: surfaces are plain memory, the
// primary surface is shown in the SDL window. Calls, flags and result codes keep DirectDraw's meaning.
#pragma once

#include "platform/types.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace plat {

// Result codes, with DirectDraw's values (facility 0x876) so logged codes read as they did.
constexpr hresult_t make_ddhresult(uint32_t code) {
    return hresult_t(0x88760000u | code);
}
constexpr hresult_t dd_ok = 0;
constexpr hresult_t dderr_generic = hresult_t(0x80004005u);
constexpr hresult_t dderr_outofmemory = hresult_t(0x8007000Eu);
constexpr hresult_t dderr_invalidparams = hresult_t(0x80070057u);
constexpr hresult_t dderr_unsupported = hresult_t(0x80004001u);
constexpr hresult_t dderr_invalidobject = make_ddhresult(130);
constexpr hresult_t dderr_invalidrect = make_ddhresult(150);
constexpr hresult_t dderr_nocolorkey = make_ddhresult(215);
constexpr hresult_t dderr_surfacebusy = make_ddhresult(430);
constexpr hresult_t dderr_surfacelost = make_ddhresult(450);
constexpr hresult_t dderr_unsupportedmode = make_ddhresult(590);
constexpr hresult_t dderr_notlocked = make_ddhresult(584);
constexpr hresult_t dderr_invalidmode = make_ddhresult(120);
constexpr hresult_t dderr_invalidpixelformat = make_ddhresult(145);
constexpr hresult_t dderr_noexclusivemode = make_ddhresult(225);
constexpr hresult_t dderr_primarysurfacealreadyexists = make_ddhresult(564);
constexpr hresult_t dderr_nohwnd = make_ddhresult(569);
constexpr hresult_t dderr_bltfastcantclip = make_ddhresult(574);
constexpr hresult_t dderr_wrongmode = make_ddhresult(587);
constexpr hresult_t dderr_dcalreadycreated = make_ddhresult(620);

// Description flags (dwFlags).
constexpr uint32_t ddsd_caps = 0x1;
constexpr uint32_t ddsd_height = 0x2;
constexpr uint32_t ddsd_width = 0x4;
constexpr uint32_t ddsd_pitch = 0x8;
constexpr uint32_t ddsd_pixelformat = 0x1000;
constexpr uint32_t ddsd_ckdestblt = 0x4000;
constexpr uint32_t ddsd_cksrcblt = 0x10000;
constexpr uint32_t ddsd_refreshrate = 0x20000;

// Surface capabilities.
constexpr uint32_t ddscaps_offscreenplain = 0x40;
constexpr uint32_t ddscaps_primarysurface = 0x200;
constexpr uint32_t ddscaps_systemmemory = 0x800;
constexpr uint32_t ddscaps_3ddevice = 0x2000;

// Pixel-format flags.
constexpr uint32_t ddpf_alphapixels = 0x1;
constexpr uint32_t ddpf_paletteindexed8 = 0x20;
constexpr uint32_t ddpf_rgb = 0x40;

constexpr uint32_t ddlock_wait = 0x1;
constexpr uint32_t ddckey_srcblt = 0x8;
constexpr uint32_t ddblt_colorfill = 0x400;
constexpr uint32_t ddblt_keysrc = 0x8000;
constexpr uint32_t ddblt_wait = 0x1000000;
constexpr uint32_t ddbltfast_srccolorkey = 0x1;
constexpr uint32_t ddbltfast_wait = 0x10;
constexpr uint32_t ddwaitvb_blockbegin = 0x1;
constexpr uint32_t ddwaitvb_blockend = 0x4;
constexpr uint32_t ddscl_fullscreen = 0x1;
constexpr uint32_t ddscl_allowreboot = 0x2;
constexpr uint32_t ddscl_normal = 0x8;
constexpr uint32_t ddscl_exclusive = 0x10;
constexpr uint32_t ddedm_refreshrates = 0x1;
constexpr hresult_t ddenumret_cancel = 0;
constexpr hresult_t ddenumret_ok = 1;

struct pixel_format_t {
    uint32_t size = 32;
    uint32_t flags = 0;
    uint32_t four_cc = 0;
    uint32_t rgb_bit_count = 0;
    uint32_t r_bit_mask = 0;
    uint32_t g_bit_mask = 0;
    uint32_t b_bit_mask = 0;
    uint32_t rgb_alpha_bit_mask = 0;
};

struct color_key_t {
    uint32_t color_space_low_value = 0;
    uint32_t color_space_high_value = 0;
};

struct surface_desc_t {
    uint32_t size = 124;
    uint32_t flags = 0;
    uint32_t height = 0;
    uint32_t width = 0;
    int32_t pitch = 0;
    uint32_t refresh_rate = 0;
    void* surface = nullptr; // first pixel while locked
    color_key_t ck_dest_blt;
    color_key_t ck_src_blt;
    pixel_format_t pixel_format;
    uint32_t caps = 0;
};

struct blt_fx_t {
    uint32_t size = 100;
    uint32_t fill_color = 0;
};

// Formats the stand-in hands out: the desktop's and the two full-screen depths.
pixel_format_t pixel_format_565();
pixel_format_t pixel_format_x888();
// The format of a display of that depth: 16 bits 5-6-5, 32 bits 8-8-8, 24 bits 8-8-8 packed, 15 bits
// 5-5-5, 8 bits palettised.
pixel_format_t pixel_format_of_depth(int bits_per_pixel);

class dd_clipper_t;
class ddraw_t;

class dd_surface_t {
  public:
    dd_surface_t(ddraw_t* owner, uint32_t width, uint32_t height, const pixel_format_t& format,
                 uint32_t caps);
    ~dd_surface_t();
    dd_surface_t(const dd_surface_t&) = delete;
    dd_surface_t& operator=(const dd_surface_t&) = delete;

    uint32_t add_ref();
    uint32_t release();

    hresult_t lock(const rect_t* area, surface_desc_t* desc, uint32_t flags, void* event);
    hresult_t unlock(const rect_t* area);
    hresult_t get_surface_desc(surface_desc_t* desc) const;
    hresult_t get_pixel_format(pixel_format_t* format) const;
    hresult_t set_color_key(uint32_t flags, const color_key_t* key);
    hresult_t get_color_key(uint32_t flags, color_key_t* key) const;
    hresult_t is_lost() const;
    hresult_t restore();
    hresult_t set_clipper(dd_clipper_t* clipper);

    // Scaled copy (nearest pixel) and colour fill (ddblt_colorfill with fx->fill_color); ddblt_keysrc
    // skips key pixels. A surface with a clipper is drawn only inside its window's client area.
    hresult_t blt(const rect_t* dst, dd_surface_t* src, const rect_t* src_area, uint32_t flags,
                  const blt_fx_t* fx);
    // Unscaled copy to (x, y), which must lie on the surface; ddbltfast_srccolorkey skips key pixels.
    hresult_t blt_fast(uint32_t x, uint32_t y, dd_surface_t* src, const rect_t* src_area, uint32_t flags);

    // GDI device context of the surface (pixel get and set, bitmap copies, text).
    hresult_t get_dc(hdc_t* dc);
    hresult_t release_dc(hdc_t dc);

    // Stand-in only: what tests and the presenter need to see.
    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    int32_t pitch() const { return pitch_; }
    uint32_t bytes_per_pixel() const { return format_.rgb_bit_count / 8; }
    const pixel_format_t& format() const { return format_; }
    // The pixels, brought up to date first when a frame copy shown straight on the screen was left for later.
    uint8_t* pixels() {
        if (frame_copy_.pending) {
            finish_pending_copy();
        }
        return pixels_.get();
    }
    bool is_primary() const { return (caps_ & ddscaps_primarysurface) != 0; }
    bool locked() const { return lock_count_ > 0; }
    void set_lost(bool lost) { lost_ = lost; }
    dd_clipper_t* clipper() const { return clipper_; }
    ddraw_t* owner() const { return owner_; }
    void detach_owner() { owner_ = nullptr; }
    // Where a primary surface is shown: its clipper's window, else the device's exclusive window.
    hwnd_t window() const;

  private:
    // Lost, locked or drawn on through GDI: the surface cannot take part in a blit now.
    hresult_t busy_or_lost();
    rect_t drawable_area() const;
    void shown_if_primary();
    // A primary surface's frame copy that went straight to the screen is made only when its pixels are next
    // needed: usually the next frame copy covers it, and nothing ever reads it.
    bool show_frame_copy(dd_surface_t* src, const rect_t& from, const rect_t& to);
    void finish_pending_copy();

    struct free_aligned {
        void operator()(uint8_t* p) const;
    };

    ddraw_t* owner_;
    uint32_t width_;
    uint32_t height_;
    int32_t pitch_;
    pixel_format_t format_;
    uint32_t caps_;
    std::unique_ptr<uint8_t, free_aligned> pixels_;
    // The source rectangle of the last frame copy shown straight, row after row, as the presentation compares
    // the next one with it; pending while the copy is not yet made on the pixels.
    struct frame_copy_t {
        std::vector<uint8_t> pixels;
        rect_t to;
        int32_t width = 0, height = 0;
        bool pending = false;
    } frame_copy_;
    color_key_t src_key_;
    bool has_src_key_ = false;
    bool lost_ = false;
    int lock_count_ = 0;
    uint32_t refs_ = 1;
    dd_clipper_t* clipper_ = nullptr;
    hdc_t dc_ = nullptr;
};

class dd_clipper_t {
  public:
    dd_clipper_t();
    ~dd_clipper_t();
    dd_clipper_t(const dd_clipper_t&) = delete;
    dd_clipper_t& operator=(const dd_clipper_t&) = delete;

    uint32_t add_ref();
    uint32_t release();
    hresult_t set_hwnd(uint32_t flags, hwnd_t window);
    hwnd_t hwnd() const { return window_; }

  private:
    hwnd_t window_ = nullptr;
    uint32_t refs_ = 1;
};

using enum_modes_callback_t = hresult_t (*)(surface_desc_t* desc, void* context);

class ddraw_t {
  public:
    ddraw_t();
    ~ddraw_t();
    ddraw_t(const ddraw_t&) = delete;
    ddraw_t& operator=(const ddraw_t&) = delete;

    uint32_t release();

    hresult_t create_surface(const surface_desc_t* desc, dd_surface_t** out, void* outer);
    hresult_t create_clipper(uint32_t flags, dd_clipper_t** out, void* outer);
    hresult_t set_cooperative_level(hwnd_t window, uint32_t flags);
    hresult_t set_display_mode(uint32_t width, uint32_t height, uint32_t bpp, uint32_t refresh,
                               uint32_t flags);
    hresult_t enum_display_modes(uint32_t flags, const surface_desc_t* filter, void* context,
                                 enum_modes_callback_t callback);
    hresult_t wait_for_vertical_blank(uint32_t flags, void* event);
    hresult_t restore_all_surfaces();
    hresult_t flip_to_gdi_surface();

    // The format that new off-screen surfaces take: the desktop's, or the display mode's once set.
    const pixel_format_t& display_format() const { return display_format_; }
    void forget_surface(dd_surface_t* surface);
    hwnd_t exclusive_window() const { return exclusive_window_; }
    // In full screen, the exclusive window losing the focus loses the primary surface, as exclusive
    // mode did; restore_all_surfaces fails until the focus is back.
    void watch_focus();

  private:
    void leave_display_mode();

    pixel_format_t display_format_;
    uint32_t mode_width_ = 0; // 0 until a display mode is taken; the primary is then the mode's size
    uint32_t mode_height_ = 0;
    std::vector<dd_surface_t*> surfaces_;
    hwnd_t exclusive_window_ = nullptr;
    bool was_active_ = false;
    bool focus_lost_ = false;
};

hresult_t direct_draw_create_ex(ddraw_t** out);

// Test hooks. After `count` more devices, surfaces and clippers are made, making one fails (out of
// memory); a negative count lifts the limit.
void set_creation_limit_for_test(int count);
// Devices, surfaces and clippers alive.
int live_dd_objects_for_test();
// The clock and the sleep the vertical-blank wait uses; null for both puts back the real ones.
void set_vertical_blank_clock_for_test(uint32_t (*now)(), void (*sleep)(uint32_t milliseconds));

} // namespace plat
