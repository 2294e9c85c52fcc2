#include "tests/render/scenery_fixture.h"

#include "umlib/draw.h"

void scenery_fixture_t::plant_image(int index, int32_t width, int32_t height,
                                    const std::function<uint32_t(int32_t, int32_t)>& colour) {
    umlib::surface_t* image = g_screenctr.presenter->create_offscreen(width, height);
    ASSERT_NE(image, nullptr);
    image->set_color_key(0);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            blend_test::put_pixel(*image, x, y, colour(x, y));
        }
    }
    sprite_record_t& record = g_screenctr.sprites[index];
    ASSERT_EQ(record.surface, nullptr);
    record.path = "test picture";
    record.surface = image;
}

map_record_t map_of(int32_t id, std::initializer_list<map_cell_t> cells) {
    map_record_t record{};
    record.id = id;
    for (const map_cell_t& cell : cells) {
        record.cells[size_t(record.count++)] = cell;
    }
    return record;
}

uint32_t pattern(int32_t x, int32_t y) {
    return 0x010101u | uint32_t(x * 0x0B0701 + y * 0x010B07);
}
