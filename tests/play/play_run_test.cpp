// The main regression net of the game logic: sample stages played headless with scripted input must give
// the same state hash at every frame, run after run, and the stored hashes of the first stage. When a
// change is meant to change the game, regenerate them on purpose:
//     MELVORIN_WRITE_GOLDEN=1 build/melvorin_tests --gtest_filter='play_run.*'
#include "objects/play_globals.h"
#include "play/state_hash.h"
#include "tests/play/play_run_fixture.h"
#include "tests/support/golden.h"

#include <cstdio>
#include <string>

namespace {

using play_run = play_run_fixture_t;

constexpr uint32_t run_frames = 3000;
constexpr uint32_t golden_every = 250;

// The first frame at which two runs differ, or -1.
int64_t first_difference(const std::vector<uint64_t>& a, const std::vector<uint64_t>& b) {
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) {
            return int64_t(i);
        }
    }
    return a.size() == b.size() ? -1 : int64_t(std::min(a.size(), b.size()));
}

} // namespace

TEST_F(play_run, a_stage_plays_the_same_every_time_and_as_stored) {
    const std::vector<uint64_t> first = play_hashes(1, run_frames);
    ASSERT_EQ(first.size(), run_frames);
    EXPECT_GT(g_stage_position, 0x40000u); // the run got far into the stage
    EXPECT_EQ(first_difference(first, play_hashes(1, run_frames)), -1);
    play_hashes(2, run_frames / 3);
    EXPECT_EQ(first_difference(first, play_hashes(1, run_frames)), -1);

    std::string text;
    for (uint32_t frame = golden_every - 1; frame < run_frames; frame += golden_every) {
        char line[40];
        std::snprintf(line, sizeof line, "%5u %016llx\n", frame + 1,
                      static_cast<unsigned long long>(first[frame]));
        text += line;
    }
    expect_golden_picture(golden_path(__FILE__, "play_run_hashes.txt"), {text.begin(), text.end()});
}
