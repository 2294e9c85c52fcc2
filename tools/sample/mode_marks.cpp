#include "tools/sample/mode_marks.h"

#include "tools/sample/bitmap_writer.h"
#include "tools/sample/sprite_files.h"

#include <cstdlib>

namespace {

constexpr uint32_t magenta = 0xFF00FF;
constexpr plat::colorref_t magenta_key = 0x00FF00FF;
constexpr int32_t mark_size = 11;
constexpr int32_t centre = mark_size / 2;

// A red dot with a light rim, as on a recorder.
sample_picture_t rec_mark() {
    sample_picture_t picture(mark_size, mark_size, magenta);
    for (int32_t y = 0; y < mark_size; ++y) {
        for (int32_t x = 0; x < mark_size; ++x) {
            const int32_t d = (x - centre) * (x - centre) + (y - centre) * (y - centre);
            if (d <= 25) {
                picture.at(x, y) = d >= 17 ? 0xFFC0C0 : 0xE02020;
            }
        }
    }
    return picture;
}

// A green arrow pointing right, as on a player.
sample_picture_t replay_mark() {
    sample_picture_t picture(mark_size, mark_size, magenta);
    for (int32_t y = 0; y < mark_size; ++y) {
        const int32_t reach = 2 + 2 * (centre - std::abs(y - centre));
        for (int32_t x = 1; x < reach && x < mark_size; ++x) {
            picture.at(x, y) = x + 1 == reach ? 0xC0FFC0 : 0x30C040;
        }
    }
    return picture;
}

} // namespace

bool add_mode_mark_sprites(const std::string& root, std::vector<sprite_record_t>& table, std::string& error) {
    const drawn_sprite_t sprites[] = {
        {124, "image\\rec.bmp", magenta_key, mark_size, mark_size, rec_mark},
        {125, "image\\replay.bmp", magenta_key, mark_size, mark_size, replay_mark},
    };
    for (const drawn_sprite_t& s : sprites) {
        if (!add_drawn_sprite(root, table, s, error)) {
            return false;
        }
    }
    return true;
}
