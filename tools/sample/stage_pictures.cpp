#include "tools/sample/stage_pictures.h"

#include "tools/sample/sprite_files.h"

#include <cmath>

namespace {

constexpr uint32_t magenta = 0xFF00FF;
constexpr plat::colorref_t magenta_key = 0x00FF00FF;
constexpr int32_t cell = 16;

// A dome on its base with a barrel pointing up and to the left; upside down for the ceiling.
sample_picture_t turret(bool hanging) {
    sample_picture_t picture(cell, cell, magenta);
    for (int32_t row = 0; row < cell; ++row) {
        const int32_t y = hanging ? cell - 1 - row : row;
        for (int32_t x = 0; x < cell; ++x) {
            const double dx = x - 7.5;
            const double dy = row - 15.0;
            uint32_t colour = magenta;
            if (row >= 14) {
                colour = 0x606060; // base
            } else if (std::hypot(dx, dy) < 7) {
                colour = std::hypot(dx + 2, dy + 4) < 2 ? 0xF0F080 : 0x508050;
            } else if (row >= 3 && row < 9 && std::abs(x - (12 - row)) < 1) {
                colour = 0xB0B0B0; // barrel
            }
            picture.at(x, y) = colour;
        }
    }
    return picture;
}

} // namespace

bool add_stage_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const struct {
        int32_t index;
        const char* path;
        bool hanging;
    } pictures[] = {{floor_turret_image, "image\\turret_floor.bmp", false},
                    {roof_turret_image, "image\\turret_roof.bmp", true}};
    for (const auto& p : pictures) {
        if (!add_sprite_picture(root, table, p.index, p.path, magenta_key, cell, cell, turret(p.hanging),
                                error)) {
            return false;
        }
    }
    return true;
}
