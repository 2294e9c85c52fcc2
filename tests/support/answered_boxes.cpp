#include "tests/support/answered_boxes.h"

answered_boxes_t::answered_boxes_t(int answer) {
    plat::set_message_box_hook_for_test([this, answer](const plat::message_box_request_t& r) {
        shown.push_back(r);
        return answer;
    });
}

answered_boxes_t::~answered_boxes_t() {
    plat::set_message_box_hook_for_test(nullptr);
}
