// Frames per second of the first sample stage played headless with scripted input (update, collisions,
// draw and scroll; no present): as it plays, under a half-weight fade, and with a crowd of 1,000 enemies on
// the screen; beside the cost of clearing the back buffer once and of the screen fade, measured in the same
// run.
#include "bench/bench_window.h"
#include "bench/rate_reporter.h"
#include "enemies/formations/zigzag.h"
#include "objects/objectinfo.h"
#include "objects/score.h"
#include "platform/audio_device.h"
#include "platform/display.h"
#include "platform/window.h"
#include "play/play_scene.h"
#include "play/play_state.h"
#include "play/playinfo.h"
#include "play/ranking.h"
#include "play/stage_file.h"
#include "player/ship.h"
#include "screen/screenctr.h"
#include "screen/soundctr.h"
#include "screen/vscreen.h"
#include "tools/sample/sample.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr uint32_t frames_per_run = 3000;

struct format_t {
    const char* name;
    int bits;
};
const format_t formats[] = {{"565", 16}, {"a888", 32}};

// The three ways the stage is played.
enum class play_case_t { plain, fade, crowd };

// Firing all the time and weaving, as the replay tests play; with the crowd, holding still and not firing,
// so that the crowd stays.
class scripted_play_t : public play_scene_t {
  public:
    using play_scene_t::play_scene_t;
    uint8_t read_input() override {
        if (quiet) {
            return 0;
        }
        const uint8_t weave = frame / 48 % 4 == 1 ? input_up : frame / 48 % 4 == 3 ? input_down : 0;
        return uint8_t(input_shot | weave | (frame % 128 < 64 ? input_missile : 0));
    }
    uint32_t frame = 0;
    bool quiet = false;
};

constexpr int32_t crowd_columns = 40, crowd_rows = 25;
constexpr int32_t zigzag_record = 102;

// 1,000 small fighters standing in a grid over the screen, animating.
void add_crowd(scripted_play_t& scene) {
    const objectinfo_t* info = objectinfo_find(zigzag_record);
    if (info == nullptr) {
        return;
    }
    for (int32_t i = 0; i < crowd_columns * crowd_rows; ++i) {
        placement_t placement;
        placement.x = 8 + i % crowd_columns * 6;
        placement.y = 16 + i / crowd_columns * 9;
        placement.type = 0;
        make_zigzag_member(&scene.stage, &placement, info)->start();
    }
}

// The screen manager of a desktop of the format's depth, with the sample sprites and sounds.
struct screen_t {
    explicit screen_t(const format_t& format) {
        plat::set_desktop_bits_per_pixel_for_test(format.bits);
        ok = g_screenctr.create(bench_window("play_frame_bench"), 0, 2) &&
             g_screenctr.load_sprites(".\\bin\\sptbl.dat") && g_soundctr.create(nullptr, false);
    }
    ~screen_t() {
        g_soundctr.destroy();
        g_screenctr.destroy();
    }
    bool ok = false;
};

std::string label(const char* what, const format_t& format) {
    return std::string(what) + "/" + format.name + "/256x256/" +
           (std::string(what) == "clear" ? "yardstick" : "project");
}

const char* play_name(play_case_t which) {
    return which == play_case_t::plain  ? "play_frame"
           : which == play_case_t::fade ? "play_frame_fade"
                                        : "play_frame_crowd";
}

constexpr int32_t half_weight = 128;
// The fade after every layer has been drawn.
constexpr int32_t last_fade_point = 6;

void add_play(const format_t& format, play_case_t which) {
    benchmark::RegisterBenchmark(label(play_name(which), format).c_str(), [&format,
                                                                           which](benchmark::State& state) {
        screen_t screen(format);
        playinfo_t settings;
        settings.ship_type = 0;
        settings.stage = 1;
        settings.level = 2;
        ranking_t ranking;
        std::unique_ptr<scripted_play_t> scene;
        for (auto _ : state) {
            if (scene == nullptr || scene->frame == frames_per_run) {
                state.PauseTiming();
                scene.reset();
                reset_play_state();
                g_lives = 9;
                scene = std::make_unique<scripted_play_t>(&settings, nullptr, &ranking);
                if (!screen.ok || !scene->startup()) {
                    state.SkipWithError("the sample stage did not start");
                    break;
                }
                if (which == play_case_t::crowd) {
                    scene->quiet = true;
                    add_crowd(*scene);
                }
                state.ResumeTiming();
            }
            if (which == play_case_t::fade) {
                scene->fade_layer = last_fade_point;
                scene->fade_weight = half_weight;
            }
            scene->run_frame(false);
            ++scene->frame;
        }
        state.SetItemsProcessed(state.iterations());
    })->MinTime(1.0);
}

void add_clear(const format_t& format) {
    benchmark::RegisterBenchmark(label("clear", format).c_str(), [&format](benchmark::State& state) {
        screen_t screen(format);
        for (auto _ : state) {
            g_screenctr.mg->clear(0);
            benchmark::ClobberMemory();
        }
        state.SetItemsProcessed(state.iterations());
    })->MinTime(0.2);
}

// The screen fade over the whole back buffer, at half and at full weight.
void add_fade(const format_t& format, int32_t weight) {
    const std::string name = label(weight == half_weight ? "fade" : "fade_full", format);
    benchmark::RegisterBenchmark(name.c_str(), [&format, weight](benchmark::State& state) {
        screen_t screen(format);
        for (auto _ : state) {
            g_screenctr.fade(0x1234, weight);
            benchmark::ClobberMemory();
        }
        state.SetItemsProcessed(state.iterations());
    })->MinTime(0.2);
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "play_frame_bench";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    std::string error;
    if (!make_sample(".", error)) {
        std::fprintf(stderr, "sample data: %s\n", error.c_str());
        return 1;
    }
    plat::audio_set_manual(true);
    for (const format_t& format : formats) {
        for (const play_case_t which : {play_case_t::plain, play_case_t::fade, play_case_t::crowd}) {
            add_play(format, which);
        }
        add_clear(format);
        add_fade(format, half_weight);
        add_fade(format, 256);
    }
    rate_reporter_t reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nFrames per second, and the same time in back-buffer clears\n");
    std::printf("%-28s %12s %14s %8s\n", "case", "per second", "clears/s", "clears");
    for (const format_t& format : formats) {
        const double clears = reporter.rate(label("clear", format)) * 1e6;
        for (const char* what : {"play_frame", "play_frame_fade", "play_frame_crowd", "fade", "fade_full"}) {
            const double rate = reporter.rate(label(what, format)) * 1e6;
            if (rate > 0) {
                std::printf("%-28s %12.0f %14.0f %8.1f\n", (std::string(what) + "/" + format.name).c_str(),
                            rate, clears, clears / rate);
            }
        }
    }
    benchmark::Shutdown();
    plat::reset_display_for_test();
    std::filesystem::current_path(folder.parent_path());
    std::filesystem::remove_all(folder);
    return 0;
}
