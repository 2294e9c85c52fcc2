// Stand-in for the title scene until it is built: shows "TITLE" and returns to the title, with the title's
// music and menu sound and its hold on the vertical-blank wait.
#pragma once

#include "play/standin_scene.h"

class title_scene_t : public standin_scene_t {
  public:
    // The title always waits for the vertical blank while it exists; the kept value returns afterwards.
    title_scene_t();
    ~title_scene_t() override;

    bool startup() override;
    void frame() override;
    void on_key(int32_t virtual_key) override;

  private:
    bool kept_vsync_;
};
