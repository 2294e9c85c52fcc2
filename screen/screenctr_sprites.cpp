// The sprite table of the screen manager: loading every named bitmap into a surface of its own,
// reloading after the surfaces were lost, and lookup by path.
#include "base/binio.h"
#include "base/bootlog.h"
#include "base/strformat.h"
#include "platform/window.h"
#include "render/bitmap.h"
#include "screen/screenctr.h"
#include "umlib/draw.h"
#include "umlib/surface.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Loads the bitmap of a path into a new surface; null when either fails, with the picture's reason.
umlib::surface_t* surface_from_file(umlib::draw_t& presenter, const std::string& path, std::string& reason) {
    plat::hbitmap_t bitmap = load_bmp(path.c_str(), &reason);
    umlib::surface_t* surface = presenter.create_surface_from_bitmap(bitmap);
    delete_bmp(bitmap);
    return surface;
}

} // namespace

bool screenctr_t::load_sprites(const char* path) {
    std::vector<uint8_t> bytes;
    const bool read = path != nullptr && read_file_bytes(path, bytes, sprite_table_bytes);
    if (presenter == nullptr) {
        bootlog_error("DirectDraw が初期化されていません\nスプライトテーブルの作成に失敗しました");
        release_sprites();
        return false;
    }
    release_sprites();
    if (!read || !read_sprite_table(bytes.data(), bytes.size(), sprites)) {
        bootlog_error(
            strformat("スプライトテーブルファイル %s を開けませんでした", path != nullptr ? path : ""));
        release_sprites();
        return false;
    }
    // A second load replaces the first: nothing of the old table survives.
    const int named = count_sprites();
    if (named == 0) {
        release_sprites();
        return false;
    }
    int loaded = 0;
    for (int i = 0; i < sprite_table_size; ++i) {
        sprite_record_t& s = sprites[i];
        if (s.path.empty()) {
            continue;
        }
        if (plat::close_signal_pending()) {
            return true; // the program is ending: what is left is not needed
        }
        std::string reason;
        s.surface = surface_from_file(*presenter, s.path, reason);
        if (s.surface == nullptr) {
            std::string line =
                strformat("スプライト[%d:%s] のサーフェス作成に失敗しました", i, s.path.c_str());
            bootlog_error(reason.empty() ? line : line + " (" + reason + ")");
            release_sprites();
            return false;
        }
        s.surface->set_color_key(s.color_key);
        // The cell sizes come from the file: bounded by the sheet here, so no user's arithmetic overflows.
        const plat::rect_t& sheet = s.surface->rect;
        s.cell_width = std::clamp(s.cell_width, 0, sheet.right - sheet.left);
        s.cell_height = std::clamp(s.cell_height, 0, sheet.bottom - sheet.top);
        report_sprite_progress(loaded, named);
        ++loaded;
    }
    if (progress != nullptr) {
        progress(presenter->hwnd, 100);
    }
    return true;
}

void screenctr_t::report_sprite_progress(int loaded, int named) {
    if (progress != nullptr) {
        progress(presenter->hwnd, int(double(loaded) * 100.0 / double(named)));
    }
}

bool screenctr_t::restore_sprites() {
    std::string failure;
    if (presenter == nullptr) {
        failure = "DirectDraw が初期化されていません@restore_sprites()";
    } else if (!presenter->restore_all_surfaces()) {
        failure = "サーフェスのリストアに失敗しました@restore_sprites()";
    }
    for (int i = 0; failure.empty() && i < sprite_table_size; ++i) {
        sprite_record_t& s = sprites[i];
        if (s.surface == nullptr) {
            continue;
        }
        std::string reason;
        plat::hbitmap_t bitmap = load_bmp(s.path.c_str(), &reason);
        if (bitmap == nullptr) {
            failure = "ビットマップのロードに失敗しました@restore_sprites() (" + s.path + ": " + reason + ")";
            break;
        }
        // The colour keys stay with the surfaces.
        s.surface->copy_bitmap(0, 0, bitmap);
        delete_bmp(bitmap);
    }
    if (!failure.empty()) {
        bootlog_error(failure);
        release_sprites();
        bootlog_error("スプライトテーブルの復元に失敗しました");
        return false;
    }
    return true;
}

void screenctr_t::release_sprites() {
    if (presenter == nullptr) {
        return;
    }
    for (sprite_record_t& s : sprites) {
        presenter->destroy_object(s.surface);
        s = sprite_record_t{};
    }
}

int screenctr_t::find_sprite(const char* path) const {
    if (path == nullptr) {
        return -1;
    }
    for (int i = 0; i < sprite_table_size; ++i) {
        if (sprites[i].path == path) {
            return i;
        }
    }
    return -1;
}

int screenctr_t::count_sprites() const {
    int n = 0;
    for (const sprite_record_t& s : sprites) {
        n += s.path.empty() ? 0 : 1;
    }
    return n;
}
