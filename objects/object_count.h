// The number of live game objects: the object base's constructors and destructor keep it, and the
// shut-down logs it (0 in a clean run).
#pragma once

#include <cstdint>

extern int32_t g_object_count;
