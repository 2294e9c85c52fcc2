#include "tests/player/terrain_fixture.h"

#include "objects/hitmark.h"
#include "tests/render/blend_surfaces.h"

void terrain_fixture_t::SetUp() {
    screen_fixture_t::SetUp();
    ASSERT_TRUE(start(32, 0, false));
    cg = std::make_unique<terrain_layer_t<cg_t>>(g_screenctr.presenter, 2);
    slot0 = std::make_unique<terrain_layer_t<bg_t>>(g_screenctr.presenter, 0);
    slot1 = std::make_unique<terrain_layer_t<bg_t>>(g_screenctr.presenter, 0);
    kept_cg = g_screenctr.cg;
    kept_slots[0] = g_screenctr.layers[0];
    kept_slots[1] = g_screenctr.layers[1];
    g_screenctr.cg = cg.get();
    g_screenctr.layers[0] = slot0.get();
    g_screenctr.layers[1] = slot1.get();
    for (vscreen_t* layer : {static_cast<vscreen_t*>(cg.get()), static_cast<vscreen_t*>(slot0.get()),
                             static_cast<vscreen_t*>(slot1.get())}) {
        layer->lock();
    }
    hitmark_reset();
}

void terrain_fixture_t::TearDown() {
    g_hitmarks.clear();
    if (cg) {
        g_screenctr.cg = kept_cg;
        g_screenctr.layers[0] = kept_slots[0];
        g_screenctr.layers[1] = kept_slots[1];
        cg->unlock();
        slot0->unlock();
        slot1->unlock();
    }
    cg.reset();
    slot0.reset();
    slot1.reset();
    screen_fixture_t::TearDown();
}

void terrain_fixture_t::solid(vscreen_t& layer, int32_t x, int32_t y) {
    blend_test::put_pixel(*layer.surface, x, y, 0xFFFFFF);
}
