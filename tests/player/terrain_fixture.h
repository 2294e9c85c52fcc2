// Synthetic terrain for the weapons' tests: the screen manager's cg layer and background slots 0 and 1
// replaced by layers the test paints solid pixels into, locked for the hit test as in play.
#pragma once

#include "screen/bg.h"
#include "screen/vscreen.h"
#include "tests/screen/screen_fixture.h"

#include <memory>

// A layer that says it holds a picture while the test wants it to.
template <class L> class terrain_layer_t : public L {
  public:
    using L::L;

    bool is_dirty() override { return holds_picture; }

    bool holds_picture = true;
};

class terrain_fixture_t : public screen_fixture_t {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A solid pixel at the layer's own coordinates.
    static void solid(vscreen_t& layer, int32_t x, int32_t y);

    std::unique_ptr<terrain_layer_t<cg_t>> cg;
    std::unique_ptr<terrain_layer_t<bg_t>> slot0;
    std::unique_ptr<terrain_layer_t<bg_t>> slot1;

  private:
    cg_t* kept_cg = nullptr;
    bg_t* kept_slots[2] = {};
};
