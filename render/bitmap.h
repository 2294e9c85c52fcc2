// The bitmap loader: an image file of the image folder into a device-independent bitmap, which the
// screen manager copies into a surface and then deletes.
#pragma once

#include "platform/types.h"

#include <cstddef>
#include <cstdint>

// Null when the file cannot be read or does not describe a picture safely; writes no message.
plat::hbitmap_t load_bmp(const char* path);
// The same from the file's bytes.
plat::hbitmap_t load_bmp_bytes(const uint8_t* data, size_t size);
void delete_bmp(plat::hbitmap_t bitmap);
