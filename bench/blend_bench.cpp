// Speed of the keyed copy and the blend blitters in megapixels per second (medians of repetitions), beside
// a row-by-row memcpy of the same bytes and, where they have the format, SDL's and pixman's nearest
// operations on the same surfaces, with the ratios of ours to each.
#include "bench/rate_reporter.h"
#include "render/blend.h"
#include "render/blend_wide.h"
#include "screen/fade.h"
#include "umlib/surface.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

struct format_t {
    const char* name;
    int32_t code; // the blend blitters' format; 0 for the keyed copy alone
    uint32_t bits, red, green, blue;
    pixman_format_code_t pixman_format; // 0: no SDL or pixman blends beside ours
    bool keyed;                         // one format of each of the keyed copy's three pixel sizes
};

const format_t formats[] = {
    {"8", 8, 8, 0, 0, 0, pixman_format_code_t(0), false},
    {"565", 0x565, 16, 0xF800, 0x07E0, 0x001F, PIXMAN_r5g6b5, true},
    {"a555", 0xA555, 16, 0x7C00, 0x03E0, 0x001F, pixman_format_code_t(0), false},
    {"555a", 0x555A, 16, 0xF800, 0x07C0, 0x003E, pixman_format_code_t(0), false},
    {"a444", 0xA444, 16, 0x0F00, 0x00F0, 0x000F, pixman_format_code_t(0), false},
    {"444a", 0x444A, 16, 0xF000, 0x0F00, 0x00F0, pixman_format_code_t(0), false},
    {"888", 0, 24, 0xFF0000, 0x00FF00, 0x0000FF, pixman_format_code_t(0), true},
    {"a888", 0xA888, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, PIXMAN_x8r8g8b8, true},
    {"888a", 0x888A, 32, 0xFF000000, 0x00FF0000, 0x0000FF00, pixman_format_code_t(0), false},
};

struct size_t2 {
    int32_t width, height;
};
const size_t2 sizes[] = {{16, 16}, {256, 240}};

constexpr int32_t screen_width = 256, screen_height = 256;
constexpr int32_t avx2_bytes = 32;
constexpr uint32_t key = 0;

pixman_image_t* solid_alpha(uint8_t alpha) {
    const pixman_color_t colour{0, 0, 0, uint16_t(alpha * 257)};
    return pixman_image_create_solid_fill(&colour);
}

// One source picture (a quarter of it key pixels) and one destination, seen by all three libraries.
struct scene_t {
    scene_t(const format_t& format, size_t2 size) : size(size) {
        source = make(format, size.width, size.height);
        destination = make(format, screen_width, screen_height);
        std::mt19937 random(7);
        plat::dd_surface_t& s = *source->surface;
        for (int32_t y = 0; y < size.height; ++y) {
            for (int32_t x = 0; x < size.width; ++x) {
                const uint32_t p = random() % 4 == 0 ? key : random() | 1;
                std::memcpy(s.pixels() + y * s.pitch() + x * s.bytes_per_pixel(), &p, s.bytes_per_pixel());
            }
        }
        const plat::color_key_t ck{key, key};
        s.set_color_key(plat::ddckey_srcblt, &ck);
        source_rect = {0, 0, size.width, size.height};
        clip = {0, 8, screen_width, 8 + 240};
        x = (screen_width - size.width) / 2;
        y = 8 + (240 - size.height) / 2;

        plat::dd_surface_t& d = *destination->surface;
        sdl_source = SDL_CreateRGBSurfaceFrom(s.pixels(), size.width, size.height, int(format.bits),
                                              s.pitch(), format.red, format.green, format.blue, 0);
        sdl_destination = SDL_CreateRGBSurfaceFrom(d.pixels(), screen_width, screen_height, int(format.bits),
                                                   d.pitch(), format.red, format.green, format.blue, 0);
        SDL_SetColorKey(sdl_source, SDL_TRUE, key);
        if (format.pixman_format != 0) {
            pixman_source = pixman_image_create_bits(format.pixman_format, size.width, size.height,
                                                     reinterpret_cast<uint32_t*>(s.pixels()), s.pitch());
            pixman_destination = pixman_image_create_bits(format.pixman_format, screen_width, screen_height,
                                                          reinterpret_cast<uint32_t*>(d.pixels()), d.pitch());
        }
    }

    ~scene_t() {
        SDL_FreeSurface(sdl_source);
        SDL_FreeSurface(sdl_destination);
        if (pixman_source != nullptr) {
            pixman_image_unref(pixman_source);
            pixman_image_unref(pixman_destination);
        }
        pixman_image_unref(mask128);
        pixman_image_unref(mask192);
    }

    std::unique_ptr<umlib::surface_t> make(const format_t& format, int32_t width, int32_t height) {
        plat::surface_desc_t desc;
        desc.flags = plat::ddsd_caps | plat::ddsd_width | plat::ddsd_height | plat::ddsd_pixelformat;
        desc.width = uint32_t(width);
        desc.height = uint32_t(height);
        desc.pixel_format.flags = plat::ddpf_rgb;
        desc.pixel_format.rgb_bit_count = format.bits;
        desc.pixel_format.r_bit_mask = format.red;
        desc.pixel_format.g_bit_mask = format.green;
        desc.pixel_format.b_bit_mask = format.blue;
        return std::make_unique<umlib::surface_t>(&device, &desc);
    }

    template <class Routine, class... Extra> plat::hresult_t ours(Routine routine, Extra... extra) {
        return routine(destination.get(), &clip, x, y, source.get(), &source_rect, extra...);
    }

    plat::hresult_t fade() {
        const plat::rect_t area{x, y, x + size.width, y + size.height};
        if (pixel_format_code == blend::format_565::code) {
            fade_area_565(destination.get(), area, 0x1234, 128);
        } else {
            fade_area(pixel_format_code, destination.get(), area, 0x1234, 128);
        }
        return plat::dd_ok;
    }

    void keyed_copy() {
        destination->surface->blt_fast(uint32_t(x), uint32_t(y), source->surface, &source_rect,
                                       plat::ddbltfast_srccolorkey);
    }

    void sdl_blit() {
        SDL_Rect from{0, 0, size.width, size.height};
        SDL_Rect to{x, y, size.width, size.height};
        SDL_BlitSurface(sdl_source, &from, sdl_destination, &to);
    }

    void pixman_blit(pixman_op_t op, pixman_image_t* mask) {
        pixman_image_composite32(op, pixman_source, mask, pixman_destination, 0, 0, 0, 0, x, y, size.width,
                                 size.height);
    }

    void copy_rows() {
        plat::dd_surface_t& s = *source->surface;
        plat::dd_surface_t& d = *destination->surface;
        const size_t bytes = size_t(size.width) * s.bytes_per_pixel();
        for (int32_t row = 0; row < size.height; ++row) {
            std::memcpy(d.pixels() + (y + row) * d.pitch() + x * d.bytes_per_pixel(),
                        s.pixels() + row * s.pitch(), bytes);
        }
    }

    plat::ddraw_t device;
    size_t2 size;
    std::unique_ptr<umlib::surface_t> source;
    std::unique_ptr<umlib::surface_t> destination;
    plat::rect_t source_rect{};
    plat::rect_t clip{};
    int32_t x = 0, y = 0;
    SDL_Surface* sdl_source = nullptr;
    SDL_Surface* sdl_destination = nullptr;
    pixman_image_t* pixman_source = nullptr;
    pixman_image_t* pixman_destination = nullptr;
    pixman_image_t* mask128 = solid_alpha(128);
    pixman_image_t* mask192 = solid_alpha(192);
};

using operation_t = std::function<void(scene_t&)>;

// row_bytes 0 runs the blend loops the processor chooses.
void run(benchmark::State& state, const format_t& format, size_t2 size, const operation_t& prepare,
         const operation_t& operation, int32_t row_bytes) {
    scene_t scene(format, size);
    pixel_format_code = format.code;
    blend::row_bytes = row_bytes != 0 ? row_bytes : blend::processor_row_bytes();
    prepare(scene);
    for (auto _ : state) {
        operation(scene);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * size.width * size.height);
    blend::row_bytes = blend::processor_row_bytes();
}

std::string size_name(size_t2 size) {
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

std::string label(const std::string& what, const format_t& format, size_t2 size) {
    return what + "/" + format.name + "/" + size_name(size);
}

std::string keyed_label(const char* who, const format_t& format, size_t2 size) {
    return std::string("keyed/") + format.name + "/" + size_name(size) + "/" + who;
}

void add_named(const std::string& name, const format_t& format, size_t2 size, operation_t prepare,
               operation_t operation, int32_t row_bytes = 0) {
    benchmark::RegisterBenchmark(name.c_str(),
                                 [&format, size, prepare, operation, row_bytes](benchmark::State& state) {
                                     run(state, format, size, prepare, operation, row_bytes);
                                 });
}

void add(const std::string& what, const format_t& format, size_t2 size, operation_t prepare,
         operation_t operation) {
    add_named(label(what, format, size), format, size, std::move(prepare), std::move(operation));
}

const operation_t nothing = [](scene_t&) {};

operation_t sdl_mode(SDL_BlendMode mode, uint8_t alpha, uint8_t colour = 255) {
    return [mode, alpha, colour](scene_t& s) {
        SDL_SetSurfaceBlendMode(s.sdl_source, mode);
        SDL_SetSurfaceAlphaMod(s.sdl_source, alpha);
        SDL_SetSurfaceColorMod(s.sdl_source, colour, colour, colour);
    };
}

// Each kind beside the nearest SDL and pixman operation.
struct kind_t {
    const char* name;
    std::function<plat::hresult_t(scene_t&)> ours;
    const char* sdl;
    const char* pixman;
    bool blend_rows = true; // drawn by the blend blitters' row loops, whose AVX2 form is set beside
};

const kind_t kinds[] = {
    {"quarter", [](scene_t& s) { return s.ours(blend_blit_quarter); }, "sdl_key_alpha192",
     "pixman_over_mask192"},
    {"half", [](scene_t& s) { return s.ours(blend_blit_half); }, "sdl_key_alpha128", "pixman_over_mask128"},
    {"alpha64", [](scene_t& s) { return s.ours(blend_blit_alpha, 64); }, "sdl_key_alpha192",
     "pixman_over_mask192"},
    {"tint", [](scene_t& s) { return s.ours(blend_blit_tint, 0xFFFFFFFFu); }, "sdl_key_colormod",
     "pixman_over_mask128"},
    {"add", [](scene_t& s) { return s.ours(blend_blit_add); }, "sdl_key_add", "pixman_add"},
    // The screen fade of the same area toward a colour at half weight, beside the nearest half blends.
    {"fade", [](scene_t& s) { return s.fade(); }, "sdl_key_alpha128", "pixman_over_mask128", false},
};

void register_all() {
    for (const format_t& format : formats) {
        for (size_t2 size : sizes) {
            add("memcpy", format, size, nothing, [](scene_t& s) { s.copy_rows(); });
            if (format.keyed) {
                add_named(keyed_label("project", format, size), format, size, nothing,
                          [](scene_t& s) { s.keyed_copy(); });
                add_named(keyed_label("sdl", format, size), format, size, sdl_mode(SDL_BLENDMODE_NONE, 255),
                          [](scene_t& s) { s.sdl_blit(); });
            }
            if (format.code == 0) {
                continue;
            }
            for (const kind_t& kind : kinds) {
                add(kind.name, format, size, nothing, [&kind](scene_t& s) { kind.ours(s); });
                // Beside the widest loops, the AVX2 ones, which must not be faster.
                if (kind.blend_rows && blend::processor_row_bytes() > avx2_bytes) {
                    add_named(
                        label(kind.name, format, size) + "/avx2", format, size, nothing,
                        [&kind](scene_t& s) { kind.ours(s); }, avx2_bytes);
                }
            }
            if (format.pixman_format == 0) {
                continue;
            }
            add("sdl_key_alpha128", format, size, sdl_mode(SDL_BLENDMODE_BLEND, 128),
                [](scene_t& s) { s.sdl_blit(); });
            add("sdl_key_alpha192", format, size, sdl_mode(SDL_BLENDMODE_BLEND, 192),
                [](scene_t& s) { s.sdl_blit(); });
            add("sdl_key_colormod", format, size, sdl_mode(SDL_BLENDMODE_NONE, 255, 192),
                [](scene_t& s) { s.sdl_blit(); });
            add("sdl_key_add", format, size, sdl_mode(SDL_BLENDMODE_ADD, 255),
                [](scene_t& s) { s.sdl_blit(); });
            add("pixman_over_mask128", format, size, nothing,
                [](scene_t& s) { s.pixman_blit(PIXMAN_OP_OVER, s.mask128); });
            add("pixman_over_mask192", format, size, nothing,
                [](scene_t& s) { s.pixman_blit(PIXMAN_OP_OVER, s.mask192); });
            add("pixman_add", format, size, nothing,
                [](scene_t& s) { s.pixman_blit(PIXMAN_OP_ADD, nullptr); });
        }
    }
}

void print_summary(const rate_reporter_t& reporter) {
    auto rate = [&](const std::string& name) { return reporter.rate(name); };
    std::printf("\nKeyed copy, megapixels per second (medians): ours, SDL's, ours / SDL's, ours / memcpy\n");
    for (const format_t& format : formats) {
        for (size_t2 size : sizes) {
            if (!format.keyed) {
                continue;
            }
            const double o = rate(keyed_label("project", format, size));
            if (o == 0) {
                continue;
            }
            const double s = rate(keyed_label("sdl", format, size));
            const double m = rate(label("memcpy", format, size));
            std::printf("%-24s %9.0f %9.0f %6.2f %6.2f\n",
                        (std::string("keyed/") + format.name + "/" + size_name(size)).c_str(), o, s, o / s,
                        o / m);
        }
    }
    std::printf("\nBlends, megapixels per second (medians), and ours divided by each reference\n");
    std::printf("%-24s %9s %9s %6s %9s %6s  %-20s %9s %6s  %-20s %9s %6s\n", "kind/format/size", "ours",
                "memcpy", "ratio", "AVX2", "ratio", "SDL", "", "ratio", "pixman", "", "ratio");
    for (const format_t& format : formats) {
        for (size_t2 size : sizes) {
            if (format.code == 0) {
                continue;
            }
            for (const kind_t& kind : kinds) {
                const std::string ours = label(kind.name, format, size);
                const double o = rate(ours);
                if (o == 0) { // left out by a filter
                    continue;
                }
                const double m = rate(label("memcpy", format, size));
                const double a = rate(ours + "/avx2");
                std::printf("%-24s %9.0f %9.0f %6.2f", ours.c_str(), o, m, o / m);
                if (a > 0) {
                    std::printf(" %9.0f %6.2f", a, a / m);
                } else {
                    std::printf(" %9s %6s", "-", "-");
                }
                if (format.pixman_format != 0) {
                    const double s = rate(label(kind.sdl, format, size));
                    const double p = rate(label(kind.pixman, format, size));
                    std::printf("  %-20s %9.0f %6.2f  %-20s %9.0f %6.2f", kind.sdl, s, o / s, kind.pixman, p,
                                o / p);
                }
                std::printf("\n");
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    // Five short repetitions and their medians unless the command line says otherwise; given as defaults
    // rather than per benchmark, so that the names stay as registered.
    std::vector<char*> args{argv[0]};
    char min_time[] = "--benchmark_min_time=0.05";
    char repetitions[] = "--benchmark_repetitions=5";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.end(), {min_time, repetitions, aggregates});
    args.insert(args.end(), argv + 1, argv + argc);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    register_all();
    rate_reporter_t reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (!reporter.rates.empty()) { // a listing run measures nothing
        print_summary(reporter);
    }
    benchmark::Shutdown();
    return 0;
}
