#include "tools/sample/sample_map_pictures.h"

#include "base/binio.h"
#include "render/map_geometry.h"
#include "tools/sample/sample_maps.h"

#include <cstdlib>

namespace {

struct map_picture_t {
    int32_t id;
    const char* path;
    sample_picture_t (*draw)();
};

constexpr map_picture_t map_pictures[] = {
    {sample_band_map_id, sample_band_image, band_picture},
    {sample_backdrop_map_id, sample_backdrop_image, backdrop_picture},
};

// Calls paint(cell, x, y) for every pixel of every cell of the map, in the image's coordinates.
template <class Paint> void paint_cells(sample_picture_t& picture, const map_record_t& map, Paint paint) {
    for (const map_cell_t& cell : used_cells(map)) {
        const plat::rect_t r = cell_rect(cell, 0, 0);
        for (int32_t y = r.top; y < r.bottom; ++y) {
            for (int32_t x = r.left; x < r.right; ++x) {
                picture.at(x, y) = paint(r, x, y);
            }
        }
    }
}

} // namespace

sample_picture_t band_picture() {
    sample_picture_t picture(quadrant_size, quadrant_size);
    paint_cells(picture, sample_band_map(), [](const plat::rect_t& r, int32_t x, int32_t y) -> uint32_t {
        const bool ceiling = r.top == 0;
        const int32_t from_edge = ceiling ? r.bottom - 1 - y : y - r.top;
        if (from_edge < 2) {
            return ceiling ? 0xC0A070 : 0x90E060;
        }
        const uint32_t hatch = uint32_t((x + y) / 4 % 2);
        const uint32_t block = uint32_t((x / 8 + y / 8) % 2);
        return (0x58 + 0x18 * hatch) << 16 | (0x40 + 0x10 * block) << 8 | 0x30;
    });
    return picture;
}

sample_picture_t backdrop_picture() {
    sample_picture_t picture(quadrant_size, quadrant_size);
    paint_cells(picture, sample_backdrop_map(), [](const plat::rect_t& r, int32_t x, int32_t y) -> uint32_t {
        const int32_t px = x - r.left;
        const int32_t py = y - r.top;
        const int32_t size = r.right - r.left;
        if (px == 0 || py == 0 || px == size - 1 || py == size - 1) {
            return 0x4060A0;
        }
        if (std::abs(px - size / 2) + std::abs(py - size / 2) == size / 3) {
            return 0x305090;
        }
        return (r.left / size + r.top / size) % 2 == 0 ? 0x182848 : 0x203058;
    });
    return picture;
}

bool add_map_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    for (const map_picture_t& m : map_pictures) {
        if (!write_file_bytes(root + "/" + m.path, encode_bmp24(m.draw()))) {
            error = std::string(m.path) + ": cannot write";
            return false;
        }
        // Black is every map picture's transparent colour.
        table.at(size_t(m.id)) = {m.path, nullptr, 0, 0, 0};
    }
    return true;
}
