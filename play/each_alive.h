// Walking a stage list's alive objects, as the update, the scroll and the test frame do: by index, with
// the bounds read once, so that objects appended during the walk wait for the next one.
#pragma once

#include "objects/array.h"

#include <cstddef>
#include <vector>

template <typename T, typename F> void each_alive(std::vector<T*>& list, size_t first, size_t end, F f) {
    for (size_t i = first; i < end; ++i) {
        T* object = list[i];
        if (object->alive) {
            f(*object);
        }
    }
}

template <typename T, typename F> void each_alive(std::vector<T*>& list, F f) {
    each_alive(list, 0, list.size(), f);
}

template <typename T, typename F> void each_alive(array_t<T*>& list, F f) {
    each_alive(list.items, f);
}

// Only the window [first, end).
template <typename T, typename F> void each_alive_in_window(array_t<T*>& list, F f) {
    each_alive(list.items, list.first, list.end, f);
}
