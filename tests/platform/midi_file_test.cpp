#include "platform/midi_file.h"
#include "tools/sample/sound_writers.h"

#include <gtest/gtest.h>

namespace {

bool parse(const std::vector<uint8_t>& bytes, plat::midi_song_t& song, std::string& error) {
    return plat::parse_midi_file(bytes.data(), bytes.size(), song, error);
}

std::vector<uint8_t> two_track_file() {
    midi_track_writer_t conductor;
    conductor.tempo(0, 500000);
    conductor.tempo(960, 250000); // doubles the speed after two quarters
    conductor.end(0);
    midi_track_writer_t music;
    music.message(0, 0xC0, 5);
    music.message(0, 0x90, 60, 100);
    music.message(480, 0x80, 60, 0);
    music.message(480, 0x90, 62, 100);
    music.end(480);
    return midi_file_bytes(1, 480, {conductor, music});
}

} // namespace

TEST(midi_file, format_0_with_running_status_is_converted_to_music_time) {
    midi_track_writer_t track(true);
    track.message(0, 0x90, 60, 100);
    track.message(96, 0x90, 60, 0); // running status: only the data bytes
    track.message(0, 0x90, 64, 90);
    track.message(48, 0x80, 64, 0);
    track.end(48);
    plat::midi_song_t song;
    std::string error;
    ASSERT_TRUE(parse(midi_file_bytes(0, 96, {track}), song, error)) << error;

    ASSERT_EQ(song.events.size(), 4u);
    EXPECT_EQ(song.events[1].time, 768); // one quarter of 96 ticks is 768 ticks of music time
    EXPECT_EQ(song.events[1].status, 0x90);
    EXPECT_EQ(song.events[1].data1, 60);
    EXPECT_EQ(song.events[1].data2, 0);
    EXPECT_EQ(song.events[2].status, 0x90);
    EXPECT_EQ(song.events[2].data1, 64);
    EXPECT_EQ(song.events[3].time, 768 + 384);
    EXPECT_EQ(song.length, 768 * 2);
}

TEST(midi_file, format_1_tracks_merge_in_time_order_with_their_tempo_changes) {
    plat::midi_song_t song;
    std::string error;
    ASSERT_TRUE(parse(two_track_file(), song, error)) << error;

    ASSERT_EQ(song.tempos.size(), 2u);
    EXPECT_EQ(song.tempos[0].time, 0);
    EXPECT_EQ(song.tempos[1].time, 1536);
    EXPECT_EQ(song.tempos[1].quarter_microseconds, 250000u);
    ASSERT_EQ(song.events.size(), 4u);
    EXPECT_EQ(song.events[0].status, 0xC0);
    EXPECT_EQ(song.events[0].data1, 5);
    EXPECT_EQ(song.events[2].time, 768);
    EXPECT_EQ(song.events[3].time, 1536);
    EXPECT_EQ(song.events[3].data1, 62);
    EXPECT_EQ(song.length, 2304);
}

TEST(midi_file, ticks_round_to_the_nearest_music_tick) {
    struct case_t {
        uint16_t division;
        uint32_t delta;
        int32_t time; // delta x 768 / division, rounded half up
    };
    for (const case_t& c : {case_t{480, 1, 2}, case_t{480, 2, 3}, case_t{480, 481, 770}, case_t{96, 1, 8}}) {
        midi_track_writer_t track;
        track.message(c.delta, 0x90, 60, 100);
        track.end(0);
        plat::midi_song_t song;
        std::string error;
        ASSERT_TRUE(parse(midi_file_bytes(0, c.division, {track}), song, error)) << error;
        ASSERT_EQ(song.events.size(), 1u);
        EXPECT_EQ(song.events[0].time, c.time) << c.division << " " << c.delta;
    }
}

TEST(midi_file, malformed_files_are_refused_with_a_reason) {
    const std::vector<uint8_t> good = two_track_file();
    auto with = [&](size_t at, std::vector<uint8_t> bytes) {
        std::vector<uint8_t> f = good;
        std::copy(bytes.begin(), bytes.end(), f.begin() + long(at));
        return f;
    };
    midi_track_writer_t running;
    running.raw({0x00, 0x3C, 0x40}); // data bytes before any status
    midi_track_writer_t first;
    first.message(0, 0x90, 60, 100);
    first.end(0);
    midi_track_writer_t long_delta;
    long_delta.raw({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 0x3C, 0x40});
    midi_track_writer_t system;
    system.raw({0x00, 0xF4});
    midi_track_writer_t high_data;
    high_data.raw({0x00, 0x90, 0x3C, 0x80});
    midi_track_writer_t long_meta;
    long_meta.raw({0x00, 0xFF, 0x01, 0x7F, 'a'});
    midi_track_writer_t long_sysex;
    long_sysex.raw({0x00, 0xF0, 0x8F, 0xFF, 0xFF, 0x7F});
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
        {"chunk length past the end", with(18, {0x00, 0x00, 0x10, 0x00})},
        {"huge chunk length", with(18, {0xFF, 0xFF, 0xFF, 0xF0})},
        {"header length past the end", with(4, {0x7F, 0xFF, 0xFF, 0xFF})},
        {"zero division", with(12, {0x00, 0x00})},
        {"SMPTE division", with(12, {0xE7, 0x28})},
        {"format 2", with(8, {0x00, 0x02})},
        {"no tracks", with(10, {0x00, 0x00})},
        {"more tracks than the file holds", with(10, {0x00, 0x03})},
        {"running status at the start", midi_file_bytes(0, 96, {running})},
        {"running status at the start of the second track", midi_file_bytes(1, 96, {first, running})},
        {"five-byte delta time", midi_file_bytes(0, 96, {long_delta})},
        {"system status in a track", midi_file_bytes(0, 96, {system})},
        {"data byte out of range", midi_file_bytes(0, 96, {high_data})},
        {"meta event past the end", midi_file_bytes(0, 96, {long_meta})},
        {"system exclusive past the end", midi_file_bytes(0, 96, {long_sysex})},
    };
    for (const auto& [name, bytes] : cases) {
        plat::midi_song_t song;
        std::string error;
        EXPECT_FALSE(parse(bytes, song, error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
}

TEST(midi_file, every_truncation_of_a_file_is_refused) {
    const std::vector<uint8_t> good = two_track_file();
    for (size_t size = 0; size < good.size(); ++size) {
        plat::midi_song_t song;
        std::string error;
        EXPECT_FALSE(plat::parse_midi_file(good.data(), size, song, error)) << size;
    }
}
