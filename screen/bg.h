// A background layer: an off-screen layer seen as four 256 x 256 quadrants of a 512 x 512 plane, each
// holding the map last drawn into it, and the transparency with which the layer is composed.
#pragma once

#include "render/map_geometry.h"
#include "screen/vscreen.h"

#include <array>
#include <cstdint>

class bg_t : public vscreen_t {
  public:
    // Size code 0: 512 x 512, 1: 512 x 256, 2: 256 x 256; throws as vscreen_t does.
    bg_t(umlib::draw_t* device, int size_code);
    ~bg_t() override = default;

    // Erases the whole layer and forgets every map.
    plat::hresult_t clear(uint32_t colour) override;
    // True while some quadrant holds a map.
    bool is_dirty() override;

    // Erases the quadrant's old cells, then copies the record's cells from its image (the sprite of the
    // record's id). A null record, id -1 or an id without a loaded image changes nothing.
    void draw_map(int q, const map_record_t* record);
    // Draws the part of the record's image that lies in area (layer coordinates) back into the quadrant:
    // weight 0 copies every pixel, any other weight adds the layer's pixels weighted in 256ths.
    void draw_sprite(int q, const map_record_t* record, const plat::rect_t* area, int32_t weight);
    void clear_quadrant(int q);
    // Records the map without drawing it; the hit marks then repair the quadrant piece by piece.
    void set_quadrant_map(int q, const map_record_t* record);

    std::array<plat::rect_t, quadrant_count> quadrant;
    std::array<const map_record_t*, quadrant_count> map{};
    uint32_t quadrant_mask = 0;
    // How the renderers compose the layer: 0 keyed copy, 64 and 128 fixed mixes, 256 not drawn, any other
    // value the screen's weight in 256ths.
    int32_t transparency = 0;

  private:
    void record_map(int q, const map_record_t* record);
    // Fills the part of r that lies on the layer with colour 0.
    void erase(const plat::rect_t& r);
};
