#include "objects/object_count.h"

// Raised by every object constructor and lowered by the object destructor.
int32_t g_object_count = 0;
