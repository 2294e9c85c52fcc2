// A placeholder for a scene still to be built: it shows its own name and goes back to the title on
// Enter or Escape, so that every road through the scene controller can be walked.
#pragma once

#include "play/scene.h"

class standin_scene_t : public scene_t {
  public:
    explicit standin_scene_t(const char* name) : name_(name) {}
    void frame() override;
    void on_key(int32_t virtual_key) override;

  private:
    const char* name_;
};
