// Answers every message box with one answer and keeps what was asked, for the life of the object.
#pragma once

#include "platform/dialogs.h"

#include <vector>

class answered_boxes_t {
  public:
    explicit answered_boxes_t(int answer);
    ~answered_boxes_t();
    answered_boxes_t(const answered_boxes_t&) = delete;
    answered_boxes_t& operator=(const answered_boxes_t&) = delete;

    std::vector<plat::message_box_request_t> shown;
};
