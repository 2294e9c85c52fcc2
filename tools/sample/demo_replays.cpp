#include "tools/sample/demo_replays.h"

#include "base/binio.h"
#include "play/replay_file.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int demo_count = 4;
constexpr int frames_per_demo = 1200;

// Input bits of one update frame.
constexpr uint8_t in_up = 0x01;
constexpr uint8_t in_down = 0x02;
constexpr uint8_t in_right = 0x04;
constexpr uint8_t in_shot = 0x10;
constexpr uint8_t in_missile = 0x20;

// The flight: fire throughout, weave up and down, drift right now and then; each demo starts its weave
// at another phase so the four differ.
std::vector<uint8_t> flight(int demo) {
    std::vector<uint8_t> stream(frames_per_demo);
    for (int frame = 0; frame < frames_per_demo; ++frame) {
        const int phase = (frame + demo * 40) % 160;
        uint8_t input = in_shot | in_missile;
        input |= phase < 60 ? in_up : (phase >= 80 && phase < 140 ? in_down : 0);
        input |= (frame / 200) % 2 == 1 ? in_right : 0;
        stream[size_t(frame)] = input;
    }
    return stream;
}

} // namespace

bool write_demo_replays(const std::string& root, std::string& error) {
    for (int demo = 0; demo < demo_count; ++demo) {
        playinfo_t header;
        header.stage = 1;
        header.ship_type = demo;
        const std::string path = root + "/bin/demoplay" + std::to_string(demo) + ".ply";
        if (!write_file_bytes(path, replay_file_bytes(header, flight(demo)))) {
            error = path + ": cannot be written";
            return false;
        }
    }
    return true;
}
