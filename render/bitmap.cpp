#include "render/bitmap.h"

#include "base/safe_read.h"
#include "platform/file.h"
#include "platform/gdi.h"
#include "render/bitmap_file.h"

#include <cerrno>
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

plat::hbitmap_t load_bmp_bytes(const uint8_t* data, size_t size, std::string* error) {
    bmp_image_t image;
    std::string reason;
    if (!parse_bmp(data, size, image, reason)) {
        if (error != nullptr) {
            *error = reason;
        }
        return nullptr;
    }
    void* bits = nullptr;
    plat::hbitmap_t bitmap =
        plat::create_dib_section(nullptr, bitmap_info(image), plat::dib_rgb_colors, &bits);
    if (bitmap == nullptr || bits == nullptr) {
        delete_bmp(bitmap);
        if (error != nullptr) {
            *error = "a bitmap of this header cannot be made";
        }
        return nullptr;
    }
    std::memcpy(bits, image.pixels, image.pixel_bytes);
    return bitmap;
}

plat::hbitmap_t load_bmp(const char* path, std::string* error) {
    std::vector<uint8_t> bytes;
    // The size cap keeps a huge or endless file from being read into memory.
    const load_status_t status =
        path == nullptr ? load_status_t::missing : read_whole_file(path, bytes, plat::largest_media_file);
    if (status != load_status_t::loaded) {
        if (error != nullptr) {
            // A refused file has its own boot-log line with the reason.
            *error = path == nullptr                    ? "no path"
                     : status == load_status_t::missing ? std::strerror(ENOENT)
                                                        : "refused";
        }
        return nullptr;
    }
    return load_bmp_bytes(bytes.data(), bytes.size(), error);
}

void delete_bmp(plat::hbitmap_t bitmap) {
    if (bitmap != nullptr) {
        plat::delete_object(bitmap);
    }
}
