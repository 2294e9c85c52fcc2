// Bookkeeping shared by the device, surface and clipper code of the DirectDraw stand-in.
#pragma once

namespace plat {

// False when the test's creation limit is used up; otherwise counts one more object made.
bool creation_allowed();
void count_dd_object(int change);

} // namespace plat
