#include "platform/sequencer.h"

#include <gtest/gtest.h>

namespace {

struct heard_t {
    int32_t time;
    plat::midi_event_t message;
};

// Records every message with the music time at which it falls.
class recorder_t : public plat::midi_sink_t {
  public:
    void send(const plat::midi_event_t& m, int32_t at) override { heard.push_back({now + at, m}); }

    std::vector<heard_t> of_kind(uint8_t kind) const {
        std::vector<heard_t> out;
        for (const heard_t& h : heard) {
            if ((h.message.status & 0xF0) == kind && (kind != 0x90 || h.message.data2 != 0)) {
                out.push_back(h);
            }
        }
        return out;
    }

    int32_t now = 0;
    std::vector<heard_t> heard;
};

// Four quarter notes, keys 60..63, each sounding 1000 ticks (so across the next beat).
std::shared_ptr<plat::midi_song_t> four_beats() {
    auto song = std::make_shared<plat::midi_song_t>();
    for (uint8_t i = 0; i < 4; ++i) {
        song->events.push_back({768 * i, 0x90, uint8_t(60 + i), 100});
    }
    for (uint8_t i = 0; i < 4; ++i) {
        song->events.push_back({768 * i + 1000, 0x80, uint8_t(60 + i), 0});
    }
    std::stable_sort(song->events.begin(), song->events.end(),
                     [](const auto& a, const auto& b) { return a.time < b.time; });
    song->length = 3072;
    return song;
}

void play(plat::sequencer_t& seq, recorder_t& sink, int32_t ticks, int32_t step) {
    for (int32_t done = 0; done < ticks; done += step) {
        step = std::min(step, ticks - done);
        seq.advance(step, sink);
        sink.now += step;
    }
}

} // namespace

TEST(sequencer, a_loop_repeats_at_its_points_across_passes) {
    plat::segment_params_t params{3072, 0, 768, 2304, plat::repeat_infinite};
    plat::sequencer_t seq(four_beats(), params, false);
    recorder_t sink;
    seq.start(sink);
    play(seq, sink, 768 * 8, 100); // steps that straddle the loop points

    const std::vector<heard_t> on = sink.of_kind(0x90);
    const std::vector<std::pair<int32_t, int>> expected = {{0, 60},    {768, 61},  {1536, 62}, {2304, 61},
                                                           {3072, 62}, {3840, 61}, {4608, 62}, {5376, 61}};
    ASSERT_EQ(on.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(on[i].time, expected[i].first) << i;
        EXPECT_EQ(on[i].message.data1, expected[i].second) << i;
    }
    EXPECT_FALSE(seq.ended());
    EXPECT_EQ(seq.position(), 768 + (768 * 8 - 768) % 1536);
}

TEST(sequencer, notes_sounding_across_the_loop_end_are_released_at_the_jump) {
    plat::segment_params_t params{3072, 0, 768, 2304, plat::repeat_infinite};
    plat::sequencer_t seq(four_beats(), params, false);
    recorder_t sink;
    seq.start(sink);
    play(seq, sink, 2400, 2400);

    // Key 62 started at 1536 and would end at 2536: the jump at 2304 releases it before key 61 starts again.
    size_t release = 0, restart = 0;
    for (size_t i = 0; i < sink.heard.size(); ++i) {
        const heard_t& h = sink.heard[i];
        if ((h.message.status & 0xF0) == 0x80 && h.message.data1 == 62) {
            release = i;
            EXPECT_EQ(h.time, 2304);
        }
        if (h.message.status == 0x90 && h.message.data1 == 61 && h.time == 2304) {
            restart = i;
        }
    }
    EXPECT_GT(release, 0u);
    EXPECT_GT(restart, release);
}

TEST(sequencer, the_loop_starts_channel_state_is_in_force_after_the_jump) {
    auto song = four_beats();
    song->events.insert(song->events.begin(), {{0, 0xC0, 5, 0}, {0, 0xB0, 7, 90}});
    // Inside the loop: another program, a volume change and a bend that the loop start never had.
    song->events.push_back({1100, 0xC0, 10, 0});
    song->events.push_back({1100, 0xB0, 7, 40});
    song->events.push_back({1100, 0xE0, 0, 0x60});
    std::stable_sort(song->events.begin(), song->events.end(),
                     [](const auto& a, const auto& b) { return a.time < b.time; });
    plat::sequencer_t seq(song, {3072, 0, 768, 2304, plat::repeat_infinite}, false);
    recorder_t sink;
    seq.start(sink);
    play(seq, sink, 2400, 50);

    int program = -1, volume = -1, bend = -1;
    for (const heard_t& h : sink.heard) {
        if (h.time != 2304) {
            continue;
        }
        switch (h.message.status) {
        case 0xC0:
            program = h.message.data1;
            break;
        case 0xB0:
            volume = h.message.data1 == 7 ? h.message.data2 : volume;
            break;
        case 0xE0:
            bend = h.message.data1 | h.message.data2 << 7;
            break;
        }
    }
    EXPECT_EQ(program, 5);
    EXPECT_EQ(volume, 90);
    EXPECT_EQ(bend, 0x2000);
}

TEST(sequencer, finite_repeats_then_run_to_the_end_and_release_everything) {
    plat::sequencer_t seq(four_beats(), {3072, 0, 768, 2304, 1}, false);
    recorder_t sink;
    seq.start(sink);
    play(seq, sink, 6000, 128);

    const std::vector<heard_t> on = sink.of_kind(0x90);
    // 60 61 62, once more 61 62, then 63 to the end.
    ASSERT_EQ(on.size(), 6u);
    EXPECT_EQ(on[5].message.data1, 63);
    EXPECT_EQ(on[5].time, 3840);
    EXPECT_TRUE(seq.ended());
    const heard_t& last = sink.heard.back();
    EXPECT_EQ(last.message.status, 0x80);
    EXPECT_EQ(last.message.data1, 63);
    EXPECT_EQ(last.time, 3072 + 1536); // key 63 still sounded when the song ended
}

TEST(sequencer, a_start_point_chases_the_state_and_plays_from_there) {
    auto song = four_beats();
    song->events.insert(song->events.begin(), plat::midi_event_t{0, 0xC1, 33, 0});
    plat::sequencer_t seq(song, {3072, 1536, 0, 0, 0}, true);
    recorder_t sink;
    seq.start(sink);
    ASSERT_FALSE(sink.heard.empty());
    // The reset comes first, the channel's program after it.
    EXPECT_EQ(sink.heard.front().message.data1, 121);
    EXPECT_EQ(sink.heard.back().message.status, 0xC1);
    EXPECT_EQ(sink.heard.back().message.data1, 33);
    play(seq, sink, 1600, 100);
    const std::vector<heard_t> on = sink.of_kind(0x90);
    ASSERT_EQ(on.size(), 2u);
    EXPECT_EQ(on[0].message.data1, 62);
    EXPECT_EQ(on[0].time, 0);
    EXPECT_TRUE(seq.ended());
}

TEST(sequencer, the_tempo_follows_the_position) {
    auto song = four_beats();
    song->tempos = {{0, 600000}, {1536, 300000}};
    plat::sequencer_t seq(song, {3072, 0, 0, 0, plat::repeat_infinite}, false);
    recorder_t sink;
    EXPECT_EQ(seq.quarter_microseconds(), 600000u);
    play(seq, sink, 1600, 1600);
    EXPECT_EQ(seq.quarter_microseconds(), 300000u);
    play(seq, sink, 1600, 1600); // past the loop end (0 = the length) back to the start
    EXPECT_EQ(seq.position(), 128);
    EXPECT_EQ(seq.quarter_microseconds(), 600000u);
}
