// GDI objects: the stock brushes and fonts, fonts made by the game, selection and deletion.
#include "platform/gdi_internal.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

namespace plat {

namespace {

std::vector<std::unique_ptr<gdi_object>>& objects() {
    static std::vector<std::unique_ptr<gdi_object>> list;
    return list;
}

struct stock_brush_t {
    int index;
    uint8_t grey;
};
constexpr std::array<stock_brush_t, 5> stock_brushes{{
    {white_brush, 0xFF},
    {ltgray_brush, 0xC0},
    {gray_brush, 0x80},
    {dkgray_brush, 0x40},
    {black_brush, 0x00},
}};

hgdiobj_t make_stock(int index) {
    for (const stock_brush_t& b : stock_brushes) {
        if (b.index == index) {
            auto brush = std::make_unique<gdi_brush>();
            brush->colour = rgb(b.grey, b.grey, b.grey);
            brush->stock = true;
            return keep(std::move(brush));
        }
    }
    if (index == system_font || index == default_gui_font) {
        auto font = std::make_unique<gdi_font>(); // every font draws with the built-in face
        font->stock = true;
        return keep(std::move(font));
    }
    return nullptr;
}

} // namespace

hgdiobj_t keep(std::unique_ptr<gdi_object> object) {
    objects().push_back(std::move(object));
    return objects().back().get();
}

bool is_gdi_object(hgdiobj_t object) {
    return object != nullptr && std::any_of(objects().begin(), objects().end(),
                                            [object](const auto& p) { return p.get() == object; });
}

hgdiobj_t get_stock_object(int index) {
    constexpr int stock_count = default_gui_font + 1;
    static std::array<hgdiobj_t, stock_count> made{};
    if (index < 0 || index >= stock_count) {
        return nullptr;
    }
    if (made[size_t(index)] == nullptr) {
        made[size_t(index)] = make_stock(index);
    }
    return made[size_t(index)];
}

hfont_t create_font_indirect(const log_font_t& description) {
    auto font = std::make_unique<gdi_font>();
    font->description = description;
    return keep(std::move(font));
}

hgdiobj_t select_object(hdc_t dc, hgdiobj_t object) {
    if (!is_dc(dc) || !is_gdi_object(object)) {
        return nullptr;
    }
    if (dynamic_cast<gdi_font*>(object) != nullptr) {
        return std::exchange(dc->font, object);
    }
    auto* bitmap = dynamic_cast<gdi_bitmap*>(object);
    if (bitmap == nullptr || dc->kind != device_context::kind_t::memory ||
        (bitmap->selected_into != nullptr && bitmap->selected_into != dc)) {
        return nullptr;
    }
    gdi_bitmap* previous = dc->bitmap;
    if (!previous->stock) {
        previous->selected_into = nullptr;
    }
    if (!bitmap->stock) {
        bitmap->selected_into = dc;
    }
    dc->bitmap = bitmap;
    return previous;
}

bool delete_object(hgdiobj_t object) {
    if (!is_gdi_object(object)) {
        return false;
    }
    if (object->stock) {
        return true;
    }
    if (auto* bitmap = dynamic_cast<gdi_bitmap*>(object);
        bitmap != nullptr && bitmap->selected_into != nullptr) {
        return false;
    }
    auto& list = objects();
    list.erase(
        std::remove_if(list.begin(), list.end(), [object](const auto& p) { return p.get() == object; }),
        list.end());
    return true;
}

bool get_object(hgdiobj_t object, bitmap_record_t* out) {
    auto* bitmap = is_gdi_object(object) ? dynamic_cast<gdi_bitmap*>(object) : nullptr;
    if (bitmap == nullptr || out == nullptr) {
        return false;
    }
    out->bm_type = 0;
    out->bm_width = bitmap->header.width;
    out->bm_height = bitmap->header.height < 0 ? -bitmap->header.height : bitmap->header.height;
    out->bm_width_bytes = bitmap->stride;
    out->bm_planes = 1;
    out->bm_bits_pixel = bitmap->header.bit_count;
    out->bm_bits = bitmap->bits.data();
    return true;
}

} // namespace plat
