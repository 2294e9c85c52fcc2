// Tests of the background layers and their renderers: the screen manager over a window, with test
// pictures planted in free sprite-table slots and map records made in place.
#pragma once

#include "render/map_table.h"
#include "screen/bg.h"
#include "tests/screen/screen_fixture.h"

#include <cstdint>
#include <functional>
#include <initializer_list>

class scenery_fixture_t : public screen_fixture_t {
  protected:
    // Puts a width x height picture with colour key 0 into sprite slot index; the manager deletes it.
    void plant_image(int index, int32_t width, int32_t height,
                     const std::function<uint32_t(int32_t, int32_t)>& colour);
    // The creation-order layer k: 512 x 512, 512 x 512, 512 x 256, 256 x 256.
    bg_t& layer(int k) { return *g_screenctr.saved_layers[k]; }
};

map_record_t map_of(int32_t id, std::initializer_list<map_cell_t> cells);

// A colour that is never the key, different at every pixel of a small picture.
uint32_t pattern(int32_t x, int32_t y);
