#include "tests/support/answered_boxes.h"
#include "umlib/base_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A registered window that records what reaches its object.
class recording_window_t : public umlib::base_window_t {
  public:
    std::vector<uint32_t> messages;
    plat::hwnd_t handle_at_create = nullptr;

  protected:
    void window_class(plat::window_class_t& wc) override {
        umlib::base_window_t::window_class(wc);
        wc.class_name = "recording_window_t";
    }
    plat::lresult_t window_proc(uint32_t message, plat::wparam_t wparam, plat::lparam_t lparam) override {
        messages.push_back(message);
        if (message == plat::wm_create) {
            handle_at_create = handle();
        }
        return umlib::base_window_t::window_proc(message, wparam, lparam);
    }
};

} // namespace

TEST(window_wrappers, create_routes_the_class_messages_to_the_object_from_wm_create_on) {
    recording_window_t w;
    ASSERT_TRUE(w.create(nullptr));
    ASSERT_FALSE(w.messages.empty());
    EXPECT_EQ(w.messages.front(), plat::wm_create);
    EXPECT_EQ(w.handle_at_create, w.handle());
    EXPECT_EQ(w.text(), "");
    EXPECT_EQ(w.text_length(), 0);

    // The class is registered already; the second window is made all the same.
    recording_window_t second;
    ASSERT_TRUE(second.create("second"));
    EXPECT_NE(second.handle(), w.handle());
    EXPECT_EQ(second.text(), "second");

    EXPECT_TRUE(w.destroy());
    EXPECT_EQ(w.messages.back(), plat::wm_destroy);
    EXPECT_FALSE(plat::is_window(w.handle()));
    EXPECT_FALSE(w.destroy());
    EXPECT_TRUE(second.destroy());
}

TEST(window_wrappers, a_window_outliving_its_object_gets_default_processing) {
    auto w = std::make_unique<recording_window_t>();
    ASSERT_TRUE(w->create("orphan"));
    const plat::hwnd_t handle = w->handle();
    w.reset();
    ASSERT_TRUE(plat::is_window(handle));
    EXPECT_EQ(plat::send_message(handle, plat::wm_nchittest, 0, 0), plat::ht_client);
    EXPECT_TRUE(plat::destroy_window(handle));
}

TEST(window_wrappers, message_boxes_are_owned_by_the_window_and_take_its_title_without_a_caption) {
    answered_boxes_t boxes(plat::idok);
    recording_window_t w;
    ASSERT_TRUE(w.create("MELVORIN ver1.85"));
    EXPECT_EQ(w.message_box("text", nullptr, plat::mb_ok), plat::idok);
    w.message_box("text", "caption", plat::mb_yesno);
    w.show_system_error("failed", 2);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].owner, w.handle());
    EXPECT_EQ(boxes.shown[0].caption, "MELVORIN ver1.85");
    EXPECT_EQ(boxes.shown[1].caption, "caption");
    EXPECT_EQ(boxes.shown[1].type, plat::mb_yesno);
    EXPECT_EQ(boxes.shown[2].text, plat::system_error_text(2));
    EXPECT_FALSE(boxes.shown[2].text.empty());
    EXPECT_EQ(boxes.shown[2].caption, "failed");
    EXPECT_EQ(boxes.shown[2].type, plat::mb_iconerror);
    w.destroy();
}
