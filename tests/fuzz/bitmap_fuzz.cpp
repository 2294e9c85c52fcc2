// Feeds arbitrary bytes to the image-file parser and the sprite-table reader: an odd first byte picks the
// table (whose first path starts with a letter), an even one the image file (whose prefix starts with 0),
// so the sample files serve as seeds as they are.
// An accepted picture has its pixel bits copied into rows of the size the bitmap would hold, as the
// loader copies them into its DIB section, so a count or an offset that reaches past either shows.
#include "render/bitmap_file.h"
#include "screen/sprite_record.h"

#include <cstring>
#include <vector>

namespace {

// Larger pictures are legal but only cost the fuzzer time and memory.
constexpr size_t largest_picture = size_t(16) << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    if (data[0] & 1) {
        std::vector<sprite_record_t> table(sprite_table_size);
        read_sprite_table(data, size, table.data());
        return 0;
    }
    bmp_image_t image;
    std::string error;
    if (parse_bmp(data, size, image, error) && image.image_bytes <= largest_picture) {
        std::vector<uint8_t> rows(image.image_bytes);
        std::memcpy(rows.data(), image.pixels, image.pixel_bytes);
    }
    return 0;
}
