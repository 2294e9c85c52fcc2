#include "scenes/config_lines.h"

#include <algorithm>

namespace {

// Line ids are field indices of the record.
constexpr int32_t line_section = 4;
constexpr int32_t line_equipment = 8;
constexpr int32_t line_joystick = 15;

template <typename iterator_t>
int32_t first_enabled(iterator_t from, iterator_t end, int32_t current, const userinfo_t* userinfo) {
    const auto found =
        std::find_if(from, end, [userinfo](int32_t line) { return !config_line_disabled(line, userinfo); });
    return found != end ? *found : current;
}

} // namespace

bool config_line_disabled(int32_t line, const userinfo_t* userinfo) {
    switch (line) {
    case line_section:
    case line_joystick:
        return true;
    case line_equipment:
        return userinfo->stage < 2;
    default:
        return false;
    }
}

int32_t config_prev_line(const std::vector<int32_t>& page, int32_t current, const userinfo_t* userinfo) {
    const auto at = std::find(page.rbegin(), page.rend(), current);
    return at == page.rend() ? current : first_enabled(std::next(at), page.rend(), current, userinfo);
}

int32_t config_next_line(const std::vector<int32_t>& page, int32_t current, const userinfo_t* userinfo) {
    const auto at = std::find(page.begin(), page.end(), current);
    return at == page.end() ? current : first_enabled(std::next(at), page.end(), current, userinfo);
}
