#include "render/bitmap.h"

#include "base/safe_read.h"
#include "platform/file.h"
#include "platform/gdi.h"
#include "render/bitmap_file.h"

#include <cstring>
#include <vector>

namespace {

plat::bitmap_info_t bitmap_info(const bmp_image_t& image) {
    plat::bitmap_info_t info;
    const bmp_info_header_t& h = image.info;
    info.header = {h.size,         h.width,      h.height,           h.planes,           h.bit_count,
                   h.compression,  h.size_image, h.x_pels_per_meter, h.y_pels_per_meter, h.clr_used,
                   h.clr_important};
    info.colors.reserve(image.colors.size());
    for (uint32_t c : image.colors) {
        info.colors.push_back({uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), uint8_t(c >> 24)});
    }
    return info;
}

} // namespace

plat::hbitmap_t load_bmp_bytes(const uint8_t* data, size_t size) {
    bmp_image_t image;
    if (!parse_bmp(data, size, image)) {
        return nullptr;
    }
    void* bits = nullptr;
    plat::hbitmap_t bitmap =
        plat::create_dib_section(nullptr, bitmap_info(image), plat::dib_rgb_colors, &bits);
    if (bitmap == nullptr || bits == nullptr) {
        delete_bmp(bitmap);
        return nullptr;
    }
    std::memcpy(bits, image.pixels, image.pixel_bytes);
    return bitmap;
}

plat::hbitmap_t load_bmp(const char* path) {
    std::vector<uint8_t> bytes;
    // The size cap keeps a huge or endless file from being read into memory.
    if (path == nullptr || read_whole_file(path, bytes, plat::largest_media_file) != load_status_t::loaded) {
        return nullptr;
    }
    return load_bmp_bytes(bytes.data(), bytes.size());
}

void delete_bmp(plat::hbitmap_t bitmap) {
    if (bitmap != nullptr) {
        plat::delete_object(bitmap);
    }
}
