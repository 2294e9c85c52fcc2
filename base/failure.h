// The one exception of the game's own: a constructor that cannot build its object throws it, and the
// factory or manager that asked catches it by type and reports the failure its own way.
#pragma once

#include <stdexcept>

struct construction_error_t : std::runtime_error {
    using std::runtime_error::runtime_error;
};
