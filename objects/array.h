// An object list of the stage: elements in the order they were appended, and the active window
// [first, end) that the scroll moves forward over them by their keys.
#pragma once

#include <cstdint>
#include <vector>

// The window key of an object: its appearance position (section << 16 | pixel).
template <typename T> uint32_t window_key(const T* object) {
    return object->key;
}

template <typename T> struct array_t {
    std::vector<T> items;
    uint32_t first = 0;
    uint32_t end = 0;

    uint32_t size() const { return uint32_t(items.size()); }
    T& operator[](uint32_t i) { return items[i]; }
    void push_back(T item) { items.push_back(item); }

    // Empties the list and closes the window.
    void clear() {
        items.clear();
        first = 0;
        end = 0;
    }

    // first passes the elements keyed before from, end those keyed before to; neither moves back.
    void advance_window(uint32_t from, uint32_t to) {
        const uint32_t n = size();
        while (first < n && window_key(items[first]) < from) {
            ++first;
        }
        while (end < n && window_key(items[end]) < to) {
            ++end;
        }
    }
};
