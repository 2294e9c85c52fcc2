// The tests run on SDL's dummy video and audio drivers unless the environment names others: set before
// main, so that every test process and every program a test starts sees them.
#include <cstdlib>

namespace {

const bool headless = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();

} // namespace
