// Speed of the map-layer renderers: a full screen of map cells drawn onto the main screen with each
// transparency, beside memcpy of the same bytes, in megapixels per second with the ratio to memcpy.
#include "bench/bench_window.h"
#include "bench/rate_reporter.h"
#include "platform/display.h"
#include "platform/window.h"
#include "screen/bg.h"
#include "screen/map_layer.h"
#include "umlib/draw.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int32_t visible_width = 256, visible_height = 240;

struct format_t {
    const char* name;
    int bits;
};
const format_t formats[] = {{"565", 16}, {"a888", 32}};

struct transparency_t {
    const char* name;
    int32_t value;
};
const transparency_t transparencies[] = {{"keyed", 0}, {"quarter", 64}, {"half", 128}, {"alpha96", 96}};

const int32_t cell_sizes[] = {16, 64};

// A 512 x 512 layer whose four quadrants hold maps of square cells covering them, a quarter of its pixels
// the key, scrolled so that the screen shows all four quadrants and both seams.
struct scene_t {
    scene_t(const format_t& format, int32_t cell) {
        plat::set_desktop_bits_per_pixel_for_test(format.bits);
        draw = std::make_unique<umlib::draw_normal_t>(bench_window("scenery_bench"), 256, 256);
        layer = std::make_unique<bg_t>(draw.get(), 0);
        screen = std::make_unique<mg_t>(draw->back);
        screen->clip = {0, 8, 256, 248};
        const int units = cell / map_cell_unit;
        map = map_record_t{};
        for (int y = 0; y < 32; y += units) {
            for (int x = 0; x < 32; x += units) {
                map.cells[size_t(map.count++)] = {uint8_t(x), uint8_t(y), uint8_t(units), uint8_t(units)};
            }
        }
        for (int q = 0; q < quadrant_count; ++q) {
            layer->set_quadrant_map(q, &map);
        }
        plat::dd_surface_t& s = *layer->surface->surface;
        std::mt19937 random(7);
        for (uint32_t y = 0; y < s.height(); ++y) {
            for (uint32_t x = 0; x < s.width(); ++x) {
                const uint32_t p = random() % 4 == 0 ? 0 : random() | 1;
                std::memcpy(s.pixels() + y * s.pitch() + x * s.bytes_per_pixel(), &p, s.bytes_per_pixel());
            }
        }
        layer->offset_x = 200;
        layer->offset_y = 300;
    }

    void copy_rows() {
        plat::dd_surface_t& s = *layer->surface->surface;
        plat::dd_surface_t& d = *screen->surface->surface;
        const size_t bytes = size_t(visible_width) * d.bytes_per_pixel();
        for (int32_t row = 0; row < visible_height; ++row) {
            std::memcpy(d.pixels() + (8 + row) * d.pitch(), s.pixels() + row * s.pitch(), bytes);
        }
    }

    std::unique_ptr<umlib::draw_normal_t> draw;
    std::unique_ptr<bg_t> layer;
    std::unique_ptr<mg_t> screen;
    map_record_t map;
};

std::string label(const char* what, const format_t& format, int32_t cell) {
    return std::string(what) + "/" + format.name + "/cells" + std::to_string(cell);
}

void add(const std::string& name, const format_t& format, int32_t cell, int32_t transparency) {
    benchmark::RegisterBenchmark(name.c_str(), [&format, cell, transparency](benchmark::State& state) {
        scene_t scene(format, cell);
        scene.layer->transparency = transparency;
        for (auto _ : state) {
            if (transparency < 0) {
                scene.copy_rows();
            } else {
                draw_layer(scene.screen.get(), scene.layer.get());
            }
            benchmark::ClobberMemory();
        }
        state.SetItemsProcessed(state.iterations() * visible_width * visible_height);
    })->MinTime(0.2);
}

void print_summary(const rate_reporter_t& reporter) {
    std::printf(
        "\nMegapixels per second of a full screen of cells, and divided by memcpy of the same bytes\n");
    std::printf("%-28s %9s %9s %6s\n", "transparency/format/cells", "ours", "memcpy", "ratio");
    for (const format_t& format : formats) {
        for (const int32_t cell : cell_sizes) {
            const double m = reporter.rate(label("memcpy", format, cell));
            for (const transparency_t& t : transparencies) {
                const double o = reporter.rate(label(t.name, format, cell));
                std::printf("%-28s %9.0f %9.0f %6.2f\n", label(t.name, format, cell).c_str(), o, m, o / m);
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    for (const format_t& format : formats) {
        for (const int32_t cell : cell_sizes) {
            for (const transparency_t& t : transparencies) {
                add(label(t.name, format, cell), format, cell, t.value);
            }
            add(label("memcpy", format, cell), format, cell, -1);
        }
    }
    rate_reporter_t reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    print_summary(reporter);
    benchmark::Shutdown();
    plat::reset_display_for_test();
    return 0;
}
