// One frame's presentation of the 640x480 picture on the CPU: the 16-bit picture converted to the 32-bit
// canvas, the canvas enlarged by whole steps, and SDL's scaled copy of the same enlargement beside a row
// copy of the enlarged bytes, all in one run; items are output pixels.
#include "platform/gdi_pixels.h"
#include "platform/widen_row.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int32_t width = 640;
constexpr int32_t height = 480;

plat::pixel_layout_t layout(uint32_t bits, uint32_t red, uint32_t green, uint32_t blue) {
    plat::pixel_layout_t l;
    l.bits = bits;
    l.red_mask = red;
    l.green_mask = green;
    l.blue_mask = blue;
    return l;
}

std::vector<uint32_t> noise(size_t count) {
    std::vector<uint32_t> v(count);
    uint32_t seed = 1;
    for (uint32_t& p : v) {
        seed = seed * 1103515245u + 12345u;
        p = seed >> 8;
    }
    return v;
}

void convert_565(benchmark::State& state) {
    std::vector<uint32_t> source = noise(size_t(width) * height / 2);
    std::vector<uint32_t> canvas(size_t(width) * height);
    const plat::pixel_view_t from{reinterpret_cast<uint8_t*>(source.data()), width * 2, width, height,
                                  layout(16, 0xF800, 0x07E0, 0x001F)};
    const plat::pixel_view_t to{reinterpret_cast<uint8_t*>(canvas.data()), width * 4, width, height,
                                layout(32, 0xFF0000, 0x00FF00, 0x0000FF)};
    for (auto _ : state) {
        plat::convert_area(from, 0, 0, to, 0, 0, width, height);
        benchmark::DoNotOptimize(canvas.data());
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}

// kind 0: the presentation's enlargement; 1: SDL's scaled copy; 2: memcpy of the enlarged rows.
void enlarge(benchmark::State& state) {
    const int32_t scale = int32_t(state.range(0));
    const int64_t kind = state.range(1);
    std::vector<uint32_t> canvas = noise(size_t(width) * height);
    const int32_t out_w = width * scale, out_h = height * scale;
    std::vector<uint32_t> out(size_t(out_w) * out_h);
    std::vector<uint32_t> wide(size_t(out_w), 0);
    SDL_Surface* from = SDL_CreateRGBSurfaceWithFormatFrom(canvas.data(), width, height, 32, width * 4,
                                                           SDL_PIXELFORMAT_XRGB8888);
    SDL_Surface* to =
        SDL_CreateRGBSurfaceWithFormatFrom(out.data(), out_w, out_h, 32, out_w * 4, SDL_PIXELFORMAT_XRGB8888);
    for (auto _ : state) {
        if (kind == 1) {
            SDL_BlitScaled(from, nullptr, to, nullptr);
        }
        for (int32_t y = 0; kind != 1 && y < height; ++y) {
            auto* first = reinterpret_cast<uint8_t*>(out.data() + size_t(y) * scale * out_w);
            if (kind == 0) {
                plat::widen_row(canvas.data() + size_t(y) * width, reinterpret_cast<uint32_t*>(first), width,
                                scale);
            }
            for (int32_t copy = kind == 0 ? 1 : 0; copy < scale; ++copy) {
                std::memcpy(first + size_t(copy) * out_w * 4,
                            kind == 0 ? first : reinterpret_cast<uint8_t*>(wide.data()), size_t(out_w) * 4);
            }
        }
        benchmark::DoNotOptimize(out.data());
    }
    SDL_FreeSurface(from);
    SDL_FreeSurface(to);
    state.SetItemsProcessed(state.iterations() * out_w * out_h);
}

} // namespace

BENCHMARK(convert_565)->Name("present/convert/565");
BENCHMARK(enlarge)
    ->Name("present/enlarge")
    ->ArgNames({"scale", "sdl_memcpy"})
    ->ArgsProduct({{1, 2, 3}, {0, 1, 2}});
BENCHMARK_MAIN();
