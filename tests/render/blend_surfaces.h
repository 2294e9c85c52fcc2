// Memory surfaces in each drawing format for the blend tests, with raw pixel access.
#pragma once

#include "platform/ddraw.h"
#include "tests/render/blend_reference.h"
#include "umlib/surface.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace blend_test {

struct format_t {
    int32_t code;
    const char* name;
    uint32_t bits;
    uint32_t red_mask, green_mask, blue_mask;
};

// The eight drawing formats, in the order callers try them.
extern const format_t formats[8];

class surfaces_t {
  public:
    std::unique_ptr<umlib::surface_t> make(const format_t& format, int32_t width, int32_t height);

  private:
    plat::ddraw_t device_;
};

uint32_t get_pixel(umlib::surface_t& surface, int32_t x, int32_t y);
void put_pixel(umlib::surface_t& surface, int32_t x, int32_t y, uint32_t value);
void set_key(umlib::surface_t& surface, uint32_t key);
// Every pixel of the surface, row by row.
std::vector<uint32_t> pixels(umlib::surface_t& surface);

// Draws with the routine of kind for the format with the given code, chosen as the game chooses it.
plat::hresult_t draw(int32_t code, kind_t kind, uint32_t parameter, umlib::surface_t& destination,
                     const plat::rect_t& clip, int32_t x, int32_t y, umlib::surface_t& source,
                     const plat::rect_t& source_rect);

} // namespace blend_test
