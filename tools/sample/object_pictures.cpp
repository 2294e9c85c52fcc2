#include "tools/sample/object_pictures.h"

#include "base/binio.h"
#include "tools/sample/bitmap_writer.h"

#include <cmath>
#include <functional>

namespace {

constexpr uint32_t magenta = 0xFF00FF;
constexpr plat::colorref_t magenta_key = 0x00FF00FF;
constexpr int32_t cell = 16;
constexpr int32_t columns = 8;
constexpr int32_t rows = 4; // patterns 0..31: the double shot and the missiles turn through 32

// Colour of pixel (x, y) of pattern p, or magenta for none; coordinates from the cell's centre.
using shade_t = std::function<uint32_t(double x, double y, int p)>;

sample_picture_t sheet(const shade_t& shade) {
    sample_picture_t picture(cell * columns, cell * rows, magenta);
    for (int p = 0; p < columns * rows; ++p) {
        for (int32_t y = 0; y < cell; ++y) {
            for (int32_t x = 0; x < cell; ++x) {
                picture.at(p % columns * cell + x, p / columns * cell + y) = shade(x - 7.5, y - 7.5, p);
            }
        }
    }
    return picture;
}

// A dart pointing right, its canopy lit differently per pattern so banking shows.
uint32_t ship(double x, double y, int p) {
    if (x < -7 || std::abs(y) > (x + 8) * 0.25 + 0.5) {
        return magenta;
    }
    if (std::abs(y) < 1 && x > 0 && x < 4) {
        return p % 2 ? 0xFFFFFF : 0x80E0FF;
    }
    return x < -4 ? 0xFF8020 : 0x4080C0;
}

uint32_t shot(double x, double y, int) {
    return x * x / 16 + y * y < 2.5 ? 0xFFF080 : magenta;
}

// An orb with a moving eye.
uint32_t enemy(double x, double y, int p) {
    const double d = std::hypot(x, y);
    if (d > 7) {
        return magenta;
    }
    const double eye_x = std::cos(p * 0.785) * 3;
    return std::hypot(x - eye_x, y) < 2 ? 0xFFFF40 : (d > 5.5 ? 0x801010 : 0xD03020);
}

// A ring that opens and fades over the patterns.
uint32_t explosion(double x, double y, int p) {
    const double d = std::hypot(x, y);
    const double r = 1 + p * 0.45;
    if (d > r || d < r - 3) {
        return magenta;
    }
    return p < 5 ? 0xFFFFA0 : (p < 10 ? 0xFF9020 : 0xA03010);
}

// A capsule.
uint32_t item(double x, double y, int) {
    if (std::abs(x) > 6 || std::abs(y) > 4) {
        return magenta;
    }
    return x < 0 ? 0xFF6020 : 0x3060FF;
}

uint32_t star(double x, double y, int p) {
    return std::hypot(x, y) < 1 + p % 2 ? 0xFFFFFF : magenta;
}

struct object_picture_t {
    int index;
    const char* path;
    uint32_t (*shade)(double, double, int);
};

constexpr object_picture_t object_pictures[] = {
    {16, "image\\ship.bmp", ship},           {17, "image\\shot.bmp", shot}, {18, "image\\enemy.bmp", enemy},
    {19, "image\\explosion.bmp", explosion}, {20, "image\\item.bmp", item}, {21, "image\\star.bmp", star},
};

} // namespace

bool add_object_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    for (const object_picture_t& o : object_pictures) {
        if (!write_file_bytes(root + "/" + o.path, encode_bmp24(sheet(o.shade)))) {
            error = std::string(o.path) + ": cannot write";
            return false;
        }
        table.at(size_t(o.index)) = {o.path, nullptr, magenta_key, cell, cell};
    }
    return true;
}
