#include "umlib/surface.h"
#include "base/failure.h"
#include "umlib/pixel_formats.h"

int32_t pixel_format_code = 0;

namespace umlib {

pixel_format_record_t pixel_format{};

surface_t::surface_t(plat::ddraw_t* device, const plat::surface_desc_t* description) {
    if (device == nullptr || plat::failed(device->create_surface(description, &surface, nullptr))) {
        release();
        throw construction_error_t("surface");
    }
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_height | plat::ddsd_width;
    if (plat::failed(surface->get_surface_desc(&desc))) {
        release();
        throw construction_error_t("surface description");
    }
    rect = {0, 0, int32_t(desc.width), int32_t(desc.height)};
}

surface_t::~surface_t() {
    release();
}

void surface_t::release() {
    if (owned && surface != nullptr) {
        surface->release();
        surface = nullptr;
    }
}

clipper_t::clipper_t(plat::ddraw_t* device) {
    if (device == nullptr || plat::failed(device->create_clipper(0, &clipper, nullptr))) {
        release();
        throw construction_error_t("clipper");
    }
}

clipper_t::~clipper_t() {
    release();
}

void clipper_t::release() {
    if (clipper != nullptr) {
        clipper->release();
        clipper = nullptr;
    }
}

surface_locker_t::surface_locker_t(surface_t* s, plat::surface_desc_t* description)
    : surface(s), result(s->surface->lock(nullptr, description, plat::ddlock_wait, nullptr)) {}

surface_locker_t::~surface_locker_t() {
    if (result == plat::dd_ok) {
        surface->surface->unlock(nullptr);
    }
}

namespace {

struct format_entry_t {
    uint32_t rgb_mask;
    int32_t code;
};

// Formats that are recognised but have no drawing routines.
constexpr format_entry_t undrawn_formats[] = {{0x000000FF, 0xA332}, {0x0000FF00, 0x332A}};

// The code of the format with these channel masks, or bit_count when none has them.
int32_t format_code(uint32_t rgb_mask, uint32_t bit_count) {
    int32_t code = int32_t(bit_count);
    bool found = false;
    blend::drawing_formats_t::each([&](auto format) {
        using F = decltype(format);
        if (F::has_channels && !found && (F::red_mask | F::green_mask | F::blue_mask) == rgb_mask) {
            code = F::code;
            found = true;
        }
    });
    for (const format_entry_t& e : undrawn_formats) {
        if (!found && e.rgb_mask == rgb_mask) {
            code = e.code;
            found = true;
        }
    }
    return code;
}

void measure(uint32_t mask, uint32_t& width, uint32_t& shift, uint32_t& max) {
    width = shift = max = 0;
    if (mask == 0) {
        return;
    }
    while (!(mask >> shift & 1)) {
        ++shift;
    }
    while (shift + width < 32 && (mask >> (shift + width) & 1)) {
        ++width;
    }
    max = mask >> shift;
}

} // namespace

void read_pixel_format(surface_t* surface) {
    plat::pixel_format_t f;
    if (surface == nullptr || surface->surface == nullptr ||
        plat::failed(surface->surface->get_pixel_format(&f))) {
        return;
    }
    pixel_format.bit_count = f.rgb_bit_count;
    pixel_format.red_mask = f.r_bit_mask;
    pixel_format.green_mask = f.g_bit_mask;
    pixel_format.blue_mask = f.b_bit_mask;
    pixel_format.red_width = pixel_format.green_width = pixel_format.blue_width = 0;
    pixel_format.red_shift = pixel_format.green_shift = pixel_format.blue_shift = 0;
    pixel_format.red_max = pixel_format.green_max = pixel_format.blue_max = 0;
    pixel_format.rgb_mask = f.r_bit_mask | f.g_bit_mask | f.b_bit_mask;

    pixel_format_code = format_code(pixel_format.rgb_mask, f.rgb_bit_count);
    if (f.rgb_bit_count > 8) {
        measure(f.r_bit_mask, pixel_format.red_width, pixel_format.red_shift, pixel_format.red_max);
        measure(f.g_bit_mask, pixel_format.green_width, pixel_format.green_shift, pixel_format.green_max);
        measure(f.b_bit_mask, pixel_format.blue_width, pixel_format.blue_shift, pixel_format.blue_max);
    }
}

void reset_pixel_format() {
    pixel_format = pixel_format_record_t{};
}

} // namespace umlib
