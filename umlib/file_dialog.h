// The common open and save dialogs as window objects owned by a window. All dialogs share one record:
// the caller fills the name buffer, filter, folder and default extension before create runs the dialog.
#pragma once

#include "platform/file_dialog.h"
#include "umlib/vwindow.h"

namespace umlib {

class file_dialog_t : public vwindow_t {
  public:
    // Clears the shared record.
    explicit file_dialog_t(vwindow_t* parent);

    // The record every dialog runs on; flags added by one kind of dialog stay for the other.
    static plat::open_file_name_t& record();

    // A dialog kept for the whole program may outlive the window it first ran over.
    void set_owner(vwindow_t* owner) { remember_parent(owner); }
};

class file_open_dialog_t : public file_dialog_t {
  public:
    using file_dialog_t::file_dialog_t;
    // Runs the dialog; true when a file was chosen.
    bool create(const char* title) override;
    bool destroy() override { return false; }
};

class file_save_dialog_t : public file_dialog_t {
  public:
    using file_dialog_t::file_dialog_t;
    // Runs the dialog; true when a file was chosen.
    bool create(const char* title) override;
    bool destroy() override { return false; }
};

} // namespace umlib
