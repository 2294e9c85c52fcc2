#include "objects/object_count.h"

// Kept here until the object base class arrives and owns it.
int32_t g_object_count = 0;
