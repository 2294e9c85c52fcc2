// Start-up to the title's first frame, in milliseconds: the window, the screen and sound managers, the sprite
// table, the sounds, the maps and the scene controller, then the title scene's start and its first frame on
// the screen, with the default configuration and the sample data. Run again and again in one process, so
// the process's own start and the video system's first start are left out. Needs a display.
#include "platform/file.h"
#include "platform/window.h"
#include "shell/session.h"
#include "tools/sample/sample.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

void drain_messages() {
    plat::message_t msg;
    while (plat::peek_message(&msg, true)) {
    }
}

void startup_to_title(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "melvorin_startup_bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::string error;
    if (!make_sample(folder.string(), error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    const std::string previous = plat::current_directory();
    plat::set_current_directory(folder.string());
    for (auto _ : state) {
        session_t s;
        config_default(&s.config);
        s.config_savable = false;
        const auto start = std::chrono::steady_clock::now();
        if (!start_up(s)) {
            state.SkipWithError("the start-up failed (see log/bootlog.txt)");
            shut_down(s);
            break;
        }
        s.controller->update(); // the title scene starts
        s.controller->update(); // and draws its first frame
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        shut_down(s);
        drain_messages();
    }
    plat::set_current_directory(previous);
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(startup_to_title)
    ->Name("startup/title_first_frame")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
