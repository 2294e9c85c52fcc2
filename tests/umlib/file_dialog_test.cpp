#include "tests/support/owner_window.h"
#include "umlib/file_dialog.h"

#include <gtest/gtest.h>

TEST(umlib_file_dialog, each_run_adds_its_flags_to_the_shared_record_and_names_the_owner) {
    std::vector<plat::file_dialog_request_t> seen;
    plat::set_file_dialog_hook_for_test([&](const plat::file_dialog_request_t& request) {
        seen.push_back(request);
        return std::nullopt;
    });
    owner_window_t owner(reinterpret_cast<plat::hwnd_t>(0x1234));
    umlib::file_open_dialog_t open(&owner);
    umlib::file_save_dialog_t save(nullptr); // clears the record again
    EXPECT_EQ(umlib::file_dialog_t::record().flags, 0u);
    EXPECT_FALSE(open.create("open"));
    const plat::open_file_name_t& ofn = umlib::file_dialog_t::record();
    EXPECT_EQ(ofn.struct_size, 76u);
    EXPECT_EQ(ofn.owner, owner.handle());
    EXPECT_EQ(ofn.flags, plat::ofn_explorer | plat::ofn_createprompt | plat::ofn_hidereadonly);

    EXPECT_FALSE(save.create("save"));
    EXPECT_EQ(ofn.owner, nullptr);
    // The open dialog's flags stay for the save dialog.
    EXPECT_EQ(seen.back().flags, plat::ofn_explorer | plat::ofn_createprompt | plat::ofn_hidereadonly |
                                     plat::ofn_overwriteprompt);
    EXPECT_TRUE(seen.back().save);
    EXPECT_EQ(seen.back().title, "save");
    EXPECT_FALSE(open.destroy());
    plat::set_file_dialog_hook_for_test(nullptr);
}
