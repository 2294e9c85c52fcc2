// The bitmap loader: an image file of the image folder into a device-independent bitmap, which the
// screen manager copies into a surface and then deletes.
#pragma once

#include "platform/types.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Null when the file cannot be read or does not describe a picture safely, with the reason in error
// when given; writes no message.
plat::hbitmap_t load_bmp(const char* path, std::string* error = nullptr);
// The same from the file's bytes.
plat::hbitmap_t load_bmp_bytes(const uint8_t* data, size_t size, std::string* error = nullptr);
void delete_bmp(plat::hbitmap_t bitmap);
