#include "umlib/file_dialog.h"

namespace umlib {

namespace {

// The size the shared record announces, as the dialogs expect it.
constexpr uint32_t record_size = 76;

void prepare(plat::open_file_name_t& ofn, const vwindow_t* parent, const char* title, uint32_t flags) {
    ofn.struct_size = record_size;
    ofn.owner = parent != nullptr ? parent->handle() : nullptr;
    ofn.title = title;
    ofn.flags |= flags;
}

} // namespace

file_dialog_t::file_dialog_t(vwindow_t* parent) : vwindow_t(parent) {
    record() = plat::open_file_name_t{};
}

plat::open_file_name_t& file_dialog_t::record() {
    static plat::open_file_name_t ofn;
    return ofn;
}

bool file_open_dialog_t::create(const char* title) {
    prepare(record(), parent(), title, plat::ofn_explorer | plat::ofn_createprompt | plat::ofn_hidereadonly);
    return plat::get_open_file_name(&record());
}

bool file_save_dialog_t::create(const char* title) {
    prepare(record(), parent(), title, plat::ofn_overwriteprompt | plat::ofn_hidereadonly);
    return plat::get_save_file_name(&record());
}

} // namespace umlib
