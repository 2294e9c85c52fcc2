// Synthetic terrain for the crawling and dripping missiles: solid blocks painted into the cg layer and
// background slots 0 and 1 of the terrain fixture.
#pragma once

#include "tests/player/terrain_fixture.h"

#include <cstdint>

class crawl_fixture_t : public terrain_fixture_t {
  protected:
    void SetUp() override;

    // Solid pixels over columns left..right - 1 and rows top..bottom - 1 of the layer.
    static void block(vscreen_t& layer, int32_t left, int32_t top, int32_t right, int32_t bottom);
};
