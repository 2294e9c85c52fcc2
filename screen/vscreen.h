// Off-screen drawing layers: a system-memory surface with its size, scroll offsets and shift, clip
// rectangle, changed flag, lock and text cursor; text and numbers drawn from font sprites; and the
// pixel hit test that the scenery collisions ask.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

namespace umlib {
class draw_t;
class surface_t;
} // namespace umlib

class vscreen_t {
  public:
    // Size code 0: 512 x 512, 1: 512 x 256, 2: 256 x 256. Throws construction_error_t for any other code or
    // when the surface cannot be made.
    vscreen_t(umlib::draw_t* owner, int size_code);
    // Around a surface that stays its owner's (the back buffer).
    explicit vscreen_t(umlib::surface_t* surface);
    virtual ~vscreen_t();
    vscreen_t(const vscreen_t&) = delete;
    vscreen_t& operator=(const vscreen_t&) = delete;

    // Fills the clip rectangle with a pixel value and lowers the changed flag.
    virtual plat::hresult_t clear(uint32_t colour);
    virtual bool is_dirty();

    void lock();
    void unlock();
    // Whether any pixel of the rectangle, wrapped around the layer, is not 0; only while locked and
    // only for 16 and 32 bits a pixel.
    bool hit_test(int32_t x, int32_t y, int32_t w, int32_t h) const;

    // Copies the source rectangle of a surface with its colour key, top-left corner at (left, top),
    // clipped to the clip rectangle (the source cut by the same amounts).
    void blt_keyed(umlib::surface_t* from, plat::rect_t source, int32_t left, int32_t top);
    // Copies another layer of the same size whole, without a colour key.
    void copy_from(const vscreen_t& other);

    void draw_string(int32_t col, int32_t row, const char* text, int sprite);
    // weight: the destination's share in 256ths (0 draws the glyphs as they are).
    void draw_text(int32_t col, int32_t row, const char* text, int sprite, int32_t weight);
    void draw_number(int32_t col, int32_t row, int32_t value, int32_t digits, int sprite, char pad);
    void draw_text_ex(int32_t col, int32_t row, int32_t value, int32_t digits, int sprite, int32_t weight,
                      char pad);

    umlib::draw_t* owner = nullptr;
    umlib::surface_t* surface = nullptr;
    plat::surface_desc_t lock_desc;
    int32_t width = 0;
    int32_t height = 0;
    int32_t offset_x = 0;
    int32_t offset_y = 0;
    int32_t cursor_row = 0;
    int32_t cursor_col = 0;
    int32_t shift = 0;
    uint8_t dirty = 0;
    uint8_t locked = 0;
    plat::rect_t full_rect;
    plat::rect_t clip;

  private:
    void prepare(umlib::surface_t* made);
};

// The main game screen around the back buffer, with the main screen's own scroll that the layer
// renderers add to every layer's offsets.
class mg_t : public vscreen_t {
  public:
    using vscreen_t::vscreen_t;
    ~mg_t() override = default;

    int32_t scroll_x = 0;
    int32_t scroll_y = 0;
};

// The 256 x 256 layer of the screen manager.
class cg_t : public vscreen_t {
  public:
    using vscreen_t::vscreen_t;
    ~cg_t() override = default;
};
