#include "tools/sample/demo_replays.h"

#include "objects/play_globals.h"
#include "platform/file.h"
#include "platform/window.h"
#include "play/play_scene.h"
#include "play/playinfo.h"
#include "play/recorded_run.h"
#include "play/replay_file.h"
#include "player/ship.h"
#include "render/map_table.h"
#include "screen/screenctr.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace {

constexpr int demo_count = 4;
// Long enough to show the caption page and the ranking page once.
constexpr uint32_t demo_frames = 2100;

// The play with its input from a steering script that watches the ship; it stops at the end of the run.
class demo_recorder_t : public play_scene_t {
  public:
    demo_recorder_t(playinfo_t* settings, int demo) : play_scene_t(settings, nullptr, nullptr), demo(demo) {}

    uint8_t read_input() override {
        const uint8_t input = steer(uint32_t(stream.size()));
        stream.push_back(input);
        return input;
    }
    void game_over() override { finished = true; }
    void all_cleared() override { finished = true; }

    std::vector<uint8_t> stream;
    bool finished = false;

  private:
    // Fire throughout and fly toward a point that hops between rows and columns; a power-up now and then.
    uint8_t steer(uint32_t frame) const {
        const int32_t hop = int32_t(frame / 150) + demo;
        const float target_y = float(64 + (hop * 3 % 4) * 40);
        const float target_x = float(48 + (hop * 5 % 3) * 32);
        uint8_t input = input_shot | (frame % 96 < 48 ? input_missile : 0);
        const ship_t* ship = player.ship;
        if (ship != nullptr) {
            input |= ship->y > target_y + 3 ? input_up : ship->y < target_y - 3 ? input_down : 0;
            input |= ship->x > target_x + 3 ? input_left : ship->x < target_x - 3 ? input_right : 0;
        }
        if (frame % 300 == 150 + uint32_t(demo) * 20) {
            input |= input_powerup;
        }
        return input;
    }

    int demo;
};

// The screen manager over a window of its own, unless one already runs, and the map table, which the game
// loads at start-up: the terrain drawn from it is part of the game. The working folder is root while it
// lives, as the game reads its files relative to it; the caller's map table comes back at the end.
class recording_screen_t {
  public:
    explicit recording_screen_t(const std::string& root)
        : old_folder(std::filesystem::current_path(ec)),
          old_maps(std::make_unique<map_table_t>(g_map_table)) {
        std::filesystem::current_path(root, ec);
        if (ec || g_screenctr.mg != nullptr) {
            return;
        }
        plat::window_class_t wc;
        wc.class_name = "mksample_demo_window";
        wc.window_proc = plat::def_window_proc;
        plat::register_class(wc);
        plat::create_struct_t cs;
        cs.class_name = wc.class_name;
        cs.style = plat::ws_popup;
        cs.cx = 256;
        cs.cy = 240;
        window = plat::create_window(cs);
        own = window != nullptr && g_screenctr.create(window, 0, 1);
    }
    ~recording_screen_t() {
        if (own) {
            g_screenctr.destroy();
        }
        if (window != nullptr) {
            plat::destroy_window(window);
        }
        std::filesystem::current_path(old_folder, ec);
        g_map_table = *old_maps;
    }
    recording_screen_t(const recording_screen_t&) = delete;
    recording_screen_t& operator=(const recording_screen_t&) = delete;

    bool ready() {
        return !ec && g_screenctr.mg != nullptr && (!own || g_screenctr.load_sprites(".\\bin\\sptbl.dat")) &&
               load_map_table(".\\bin\\maptbl.dat");
    }

  private:
    std::error_code ec;
    std::filesystem::path old_folder;
    using map_table_t = decltype(g_map_table);
    std::unique_ptr<map_table_t> old_maps;
    plat::hwnd_t window = nullptr;
    bool own = false;
};

// Where each demo starts: the opening, then the crab, boss005 and the final boss.
struct demo_start_t {
    int32_t stage;
    int32_t section;
};
constexpr demo_start_t demo_starts[demo_count] = {{1, 0}, {3, 2}, {5, 5}, {6, 5}};

// The demo's header: its stage and section, a ship type per demo, three lives.
playinfo_t demo_header(int demo) {
    playinfo_t header;
    header.stage = demo_starts[demo].stage;
    header.section = demo_starts[demo].section;
    header.ship_type = demo;
    header.level = 2 + demo % 2;
    header.start_lives = 3;
    header.random_seed = 256 + demo;
    return header;
}

bool record_demo(int demo, std::vector<uint8_t>& stream) {
    playinfo_t header = demo_header(demo);
    begin_recorded_run(header);
    demo_recorder_t run(&header, demo);
    if (!run.startup()) {
        return false;
    }
    while (!run.finished && run.stream.size() < demo_frames) {
        run.run_frame(false);
    }
    stream = replay_file_bytes(header, run.stream);
    return true;
}

} // namespace

bool write_demo_replays(const std::string& root, std::string& error) {
    // The recordings depend only on the sample set and the game, so one process records them once.
    static std::vector<std::vector<uint8_t>> recorded;
    if (recorded.empty()) {
        recording_screen_t screen(root);
        if (!screen.ready()) {
            error = "demo replays: no screen or map table to play them on";
            return false;
        }
        for (int demo = 0; demo < demo_count; ++demo) {
            std::vector<uint8_t> bytes;
            if (!record_demo(demo, bytes)) {
                recorded.clear();
                error = "demo replays: demo " + std::to_string(demo) + " did not start";
                return false;
            }
            recorded.push_back(std::move(bytes));
        }
    }
    for (int demo = 0; demo < demo_count; ++demo) {
        const std::string path = root + "/bin/demoplay" + std::to_string(demo) + ".ply";
        if (!write_file_bytes(path, recorded[size_t(demo)])) {
            error = path + ": cannot be written";
            return false;
        }
    }
    return true;
}
