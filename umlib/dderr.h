// Names of DirectDraw result codes, for the boot log.
#pragma once

#include "platform/types.h"

namespace umlib {

// "DD_OK", the DDERR_ constant's name, or "Unknown Error".
const char* dderr_name(plat::hresult_t code);

} // namespace umlib
