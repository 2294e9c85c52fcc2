// A stage event record as the event list holds it: a command, its condition, the stage position that
// triggers it and its parameter.
#pragma once

#include <cstdint>

struct eventinfo_t {
    int32_t command;
    uint32_t condition;
    uint32_t trigger;
    int32_t parameter;
};

inline uint32_t window_key(const eventinfo_t& event) {
    return event.trigger;
}
