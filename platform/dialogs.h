// Message boxes, and the system's text for an error code. Tests answer the boxes through a hook, so
// nothing waits for a user.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <functional>
#include <string>

namespace plat {

// Box types and answers keep their Windows values.
constexpr uint32_t mb_ok = 0x00;
constexpr uint32_t mb_yesno = 0x04;
constexpr uint32_t mb_typemask = 0x0F;
constexpr uint32_t mb_iconerror = 0x10;
constexpr uint32_t mb_iconexclamation = 0x30;
constexpr uint32_t mb_iconmask = 0xF0;
constexpr int idok = 1;
constexpr int idyes = 6;
constexpr int idno = 7;

// Shows a modal box owned by owner (may be null) and returns the button chosen: idok, idyes or idno;
// 0 when no box could be shown.
int message_box(hwnd_t owner, const std::string& text, const std::string& caption, uint32_t type);

// The system's description of an error code (the platform's own error numbers).
std::string system_error_text(uint32_t code);

struct message_box_request_t {
    hwnd_t owner;
    std::string text;
    std::string caption;
    uint32_t type;
};
// Answers every box instead of showing it; an empty hook shows real boxes again.
void set_message_box_hook_for_test(std::function<int(const message_box_request_t&)> hook);

} // namespace plat
