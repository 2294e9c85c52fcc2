#include "umlib/draw.h"

#include "base/failure.h"
#include "platform/gdi.h"
#include "umlib/draw_messages.h"

namespace umlib {

const char* g_last_error_message = "";
plat::hresult_t g_last_error_code = 0;

draw_t::draw_t() {
    g_last_error_message = "";
    g_last_error_code = 0;
    const plat::hresult_t hr = plat::direct_draw_create_ex(&ddraw);
    if (plat::failed(hr)) {
        g_last_error_message = text_directdraw_create;
        g_last_error_code = hr;
        release();
        throw construction_error_t(text_directdraw_create);
    }
}

draw_t::~draw_t() {
    release();
}

void draw_t::fail(const char* message, plat::hresult_t code, clipper_t* clipper) {
    g_last_error_message = message;
    g_last_error_code = code;
    destroy_object(clipper);
    release_surfaces();
    throw construction_error_t(message);
}

void draw_t::create_buffers(int back_width, int back_height, plat::hresult_t code) {
    primary = create_primary();
    if (primary == nullptr) {
        fail(text_primary, code);
    }
    back = create_offscreen(back_width != 0 ? back_width : primary->rect.right,
                            back_height != 0 ? back_height : primary->rect.bottom);
    if (back == nullptr) {
        fail(text_back_buffer, code);
    }
}

surface_t* draw_t::create_surface(const plat::surface_desc_t* description) {
    try {
        return new surface_t(ddraw, description);
    } catch (const construction_error_t&) {
        return nullptr;
    }
}

surface_t* draw_t::create_offscreen(int width, int height) {
    plat::surface_desc_t desc;
    desc.flags = plat::ddsd_caps | plat::ddsd_height | plat::ddsd_width;
    desc.caps = plat::ddscaps_offscreenplain | plat::ddscaps_systemmemory | plat::ddscaps_3ddevice;
    desc.width = uint32_t(width);
    desc.height = uint32_t(height);
    return create_surface(&desc);
}

surface_t* draw_t::create_surface_from_bitmap(plat::hbitmap_t bitmap) {
    if (bitmap == nullptr) {
        return nullptr;
    }
    plat::bitmap_record_t record;
    plat::get_object(bitmap, &record);
    surface_t* surface = create_offscreen(record.bm_width, record.bm_height);
    if (surface != nullptr) {
        surface->copy_bitmap(0, 0, bitmap);
    }
    return surface;
}

clipper_t* draw_t::create_clipper() {
    try {
        return new clipper_t(ddraw);
    } catch (const construction_error_t&) {
        return nullptr;
    }
}

void draw_t::destroy_object(draw_object_t* object) {
    delete object;
}

bool draw_t::restore_all_surfaces() {
    return plat::succeeded(ddraw->restore_all_surfaces());
}

bool draw_t::flip_to_gdi() {
    return plat::succeeded(ddraw->flip_to_gdi_surface());
}

void draw_t::release() {
    if (ddraw != nullptr) {
        ddraw->release();
        ddraw = nullptr;
    }
}

void draw_t::release_surfaces() {
    destroy_object(back);
    destroy_object(primary);
    back = nullptr;
    primary = nullptr;
    reset_pixel_format();
}

plat::hresult_t draw_t::blt_back_to_primary() {
    return primary->surface->blt(&dst, back->surface, &src, plat::ddblt_wait, nullptr);
}

} // namespace umlib
