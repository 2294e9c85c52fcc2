#include "tests/render/blend_reference.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace blend_test {

namespace {

struct field_t {
    int shift;
    int width;
    bool channel; // false: spare bits
};

// Bit fields from the lowest up.
std::vector<field_t> fields_of(int32_t code) {
    switch (code) {
    case 8:
        return {};
    case 0x565:
        return {{0, 5, true}, {5, 6, true}, {11, 5, true}};
    case 0xA555:
        return {{0, 5, true}, {5, 5, true}, {10, 5, true}, {15, 1, false}};
    case 0x555A:
        return {{0, 1, false}, {1, 5, true}, {6, 5, true}, {11, 5, true}};
    case 0xA444:
        return {{0, 4, true}, {4, 4, true}, {8, 4, true}, {12, 4, false}};
    case 0x444A:
        return {{0, 4, false}, {4, 4, true}, {8, 4, true}, {12, 4, true}};
    case 0xA888:
        return {{0, 8, true}, {8, 8, true}, {16, 8, true}, {24, 8, false}};
    case 0x888A:
        return {{0, 8, false}, {8, 8, true}, {16, 8, true}, {24, 8, true}};
    }
    throw std::invalid_argument("no such drawing format");
}

uint32_t field(uint32_t pixel, const field_t& f) {
    return pixel >> f.shift & ((1u << f.width) - 1);
}

// The saturating sum: each channel is clamped when its own two values overflow; a carry out of spare bits
// below a channel enters that channel's sum without entering its clamp.
uint32_t saturated_sum(int32_t code, uint32_t s, uint32_t d) {
    uint32_t result = 0;
    uint32_t carry = 0;
    for (const field_t& f : fields_of(code)) {
        if (code == 0x888A && !f.channel) {
            continue; // the spare byte below the channels is dropped
        }
        const uint32_t max = (1u << f.width) - 1;
        const uint32_t sum = field(s, f) + field(d, f);
        uint32_t value;
        if (f.channel && sum > max) {
            value = max;
            carry = (sum - max + carry) >> f.width;
        } else {
            value = (sum + carry) & max;
            carry = (sum + carry) >> f.width;
        }
        result |= value << f.shift;
    }
    return result;
}

} // namespace

uint32_t spare_bits(int32_t code) {
    uint32_t bits = code == 8 ? 0xFF : 0;
    for (const field_t& f : fields_of(code)) {
        if (!f.channel) {
            bits |= ((1u << f.width) - 1) << f.shift;
        }
    }
    return bits;
}

uint32_t reference_pixel(int32_t code, kind_t kind, uint32_t parameter, uint32_t s, uint32_t d) {
    if (code == 8) {
        switch (kind) {
        case kind_t::half:
            return s & d;
        case kind_t::tint:
            return parameter & s & 0xFF;
        default:
            return 0;
        }
    }
    if (kind == kind_t::add) {
        return saturated_sum(code, s, d);
    }
    uint32_t result = 0;
    for (const field_t& f : fields_of(code)) {
        const uint32_t sc = field(s, f);
        const uint32_t dc = field(d, f);
        const uint32_t cc = field(parameter, f);
        uint32_t value = 0;
        if (f.channel) {
            switch (kind) {
            case kind_t::quarter:
                value = (3 * sc + dc) / 4;
                break;
            case kind_t::half:
                value = (sc + dc) / 2;
                break;
            case kind_t::alpha:
                value = (sc * (256 - parameter) + dc * parameter) / 256;
                break;
            case kind_t::tint:
                value = (cc + sc) / 2;
                break;
            case kind_t::add:
                break;
            }
        } else if (code != 0x888A) {
            value = kind == kind_t::half ? (sc & dc) : kind == kind_t::tint ? (cc & sc) : 0;
        }
        result |= value << f.shift;
    }
    return result;
}

} // namespace blend_test
