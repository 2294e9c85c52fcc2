#include "base/binio.h"
#include "platform/audio_device.h"
#include "platform/dm_loader.h"
#include "platform/dm_performance.h"
#include "platform/synth_loader.h"
#include "tests/support/audio_capture.h"
#include "tests/support/temp_folder.h"
#include "tools/sample/sound_writers.h"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {

class performance_test : public ::testing::Test {
  protected:
    void SetUp() override {
        plat::audio_set_manual(true);
        ASSERT_TRUE(plat::succeeded(perf.init_audio(plat::dmus_apath_dynamic_stereo, 64)));
    }
    void TearDown() override {
        perf.close_down();
        plat::audio_set_manual(false);
    }

    std::unique_ptr<plat::dm_segment_t> load(const std::string& name, const std::vector<uint8_t>& bytes) {
        EXPECT_TRUE(write_file_bytes(name, bytes));
        std::string error;
        auto segment = loader.load_segment(name, error);
        EXPECT_NE(segment, nullptr) << error;
        if (segment) {
            EXPECT_TRUE(plat::succeeded(perf.download(segment.get())));
        }
        return segment;
    }

    // A wave that holds one level for the given seconds, at the output rate.
    std::unique_ptr<plat::dm_segment_t> level_wave(const std::string& name, float level, double seconds) {
        return load(name, pcm16_wav_bytes(1, 44100, std::vector<float>(size_t(seconds * 44100), level)));
    }

    int32_t music_time() {
        int32_t now = 0;
        EXPECT_TRUE(plat::succeeded(perf.get_time(&now)));
        return now;
    }

    static int32_t ticks_into_primary(const plat::dm_performance_t& performance) {
        int32_t now = 0;
        int32_t start = 0;
        EXPECT_TRUE(plat::succeeded(performance.get_time(&now)));
        EXPECT_TRUE(plat::succeeded(performance.get_primary_start_time(&start)));
        return now - start;
    }

    temp_folder_t dir;
    plat::dm_performance_t perf;
    plat::dm_loader_t loader;
};

// One quarter-note song at 60 beats a minute.
std::vector<uint8_t> slow_song() {
    midi_track_writer_t track;
    track.tempo(0, 1000000);
    track.message(0, 0x90, 60, 100);
    track.message(96 * 8, 0x80, 60, 0);
    track.end(0);
    return midi_file_bytes(0, 96, {track});
}

} // namespace

TEST_F(performance_test, music_time_runs_at_the_primary_segments_tempo) {
    const int32_t idle_start = music_time();
    render_audio(44100);
    EXPECT_NEAR(music_time() - idle_start, 1536, 1); // 120 beats a minute without a song

    auto song = load("slow.mid", slow_song());
    ASSERT_TRUE(plat::succeeded(perf.play_segment_ex(song.get(), 0, nullptr)));
    int32_t start = 0;
    ASSERT_TRUE(plat::succeeded(perf.get_primary_start_time(&start)));
    EXPECT_EQ(start, music_time());
    render_audio(44100);
    EXPECT_NEAR(music_time() - start, 768, 1);
}

TEST_F(performance_test, effects_overlap_and_end_by_themselves) {
    auto wave = level_wave("level.wav", 0.25f, 0.1);
    ASSERT_TRUE(wave);
    perf.play_segment_ex(wave.get(), plat::dmus_segf_secondary, nullptr);
    perf.play_segment_ex(wave.get(), plat::dmus_segf_secondary, perf.get_default_audio_path());
    EXPECT_NEAR(peak_level(render_audio(1024)), 0.5f, 1e-3);
    render_audio(4410);
    EXPECT_EQ(peak_level(render_audio(1024)), 0.0f);

    // A primary segment replaces the primary one instead.
    perf.play_segment_ex(wave.get(), 0, nullptr);
    perf.play_segment_ex(wave.get(), 0, nullptr);
    EXPECT_NEAR(peak_level(render_audio(1024)), 0.25f, 1e-3);
}

TEST_F(performance_test, master_and_path_volumes_are_decibels_limited_to_silence_and_full) {
    auto wave = level_wave("level.wav", 0.5f, 2.0);
    perf.play_segment_ex(wave.get(), plat::dmus_segf_secondary, nullptr);
    perf.set_master_volume(-600);
    render_audio(256); // the gain glides over one block
    EXPECT_NEAR(peak_level(render_audio(256)), 0.5f * std::pow(10.0f, -0.3f), 1e-3);

    plat::dm_audio_path_t* path = perf.get_default_audio_path();
    path->set_volume(-10000);
    EXPECT_EQ(path->volume(), -9600);
    render_audio(256);
    EXPECT_EQ(peak_level(render_audio(256)), 0.0f);

    path->set_volume(5);
    EXPECT_EQ(path->volume(), 0);
    perf.set_master_volume(-20000);
    EXPECT_EQ(perf.master_volume(), -9600);
    perf.set_master_volume(500);
    EXPECT_EQ(perf.master_volume(), 0);
    render_audio(256);
    EXPECT_NEAR(peak_level(render_audio(256)), 0.5f, 1e-3);
}

TEST_F(performance_test, stop_ends_one_segment_or_all) {
    auto a = level_wave("a.wav", 0.125f, 2.0);
    auto b = level_wave("b.wav", 0.25f, 2.0);
    perf.play_segment_ex(a.get(), 0, nullptr);
    perf.play_segment_ex(b.get(), plat::dmus_segf_secondary, nullptr);
    EXPECT_NEAR(peak_level(render_audio(256)), 0.375f, 1e-3);
    perf.stop_ex(a.get());
    EXPECT_NEAR(peak_level(render_audio(256)), 0.25f, 1e-3);
    int32_t start;
    EXPECT_TRUE(plat::failed(perf.get_primary_start_time(&start)));
    perf.play_segment_ex(a.get(), 0, nullptr);
    perf.stop_ex(nullptr);
    EXPECT_EQ(peak_level(render_audio(256)), 0.0f);
}

TEST_F(performance_test, only_downloaded_segments_play_and_unloading_stops_them) {
    std::string error;
    auto wave = level_wave("a.wav", 0.25f, 2.0);
    perf.play_segment_ex(wave.get(), plat::dmus_segf_secondary, nullptr);
    EXPECT_TRUE(plat::succeeded(perf.unload(wave.get())));
    EXPECT_EQ(peak_level(render_audio(256)), 0.0f);
    EXPECT_TRUE(plat::failed(perf.play_segment_ex(wave.get(), 0, nullptr)));
    plat::dm_audio_path_t other(plat::dmus_apath_dynamic_stereo);
    perf.download(wave.get());
    EXPECT_TRUE(plat::failed(perf.play_segment_ex(wave.get(), 0, &other)));
}

TEST(performance_setup, audio_set_up_checks_its_arguments_and_the_device) {
    plat::audio_set_manual(true);
    plat::dm_performance_t unknown_path, no_channels, twice, no_device;
    EXPECT_TRUE(plat::failed(unknown_path.init_audio(3, 64)));
    EXPECT_TRUE(plat::failed(no_channels.init_audio(plat::dmus_apath_dynamic_stereo, 0)));
    EXPECT_TRUE(plat::succeeded(twice.init_audio(plat::dmus_apath_shared_stereoplusreverb, 64)));
    EXPECT_TRUE(plat::failed(twice.init_audio(plat::dmus_apath_shared_stereoplusreverb, 64)));
    EXPECT_EQ(twice.get_default_audio_path()->type(), plat::dmus_apath_shared_stereoplusreverb);
    twice.close_down();
    int32_t now;
    EXPECT_TRUE(plat::failed(twice.get_time(&now)));
    plat::audio_set_device_failure(true);
    EXPECT_TRUE(plat::failed(no_device.init_audio(plat::dmus_apath_dynamic_stereo, 64)));
    plat::audio_set_device_failure(false);
    plat::audio_set_manual(false);
}

TEST_F(performance_test, midi_plays_through_the_synthesizer_with_the_paths_reverb) {
    if (loader.collection().empty()) {
        GTEST_SKIP() << "no General MIDI soundfont installed";
    }
    auto song = load("slow.mid", slow_song());
    perf.wait_for_synth_for_test();
    EXPECT_FALSE(perf.synth_reverb());
    perf.play_segment_ex(song.get(), 0, nullptr);
    EXPECT_GT(peak_level(render_audio(22050)), 0.01f);

    plat::dm_performance_t reverb;
    ASSERT_TRUE(plat::succeeded(reverb.init_audio(plat::dmus_apath_shared_stereoplusreverb, 64)));
    reverb.download(song.get());
    reverb.wait_for_synth_for_test();
    render_audio(64);
    EXPECT_TRUE(reverb.synth_reverb());
}

// The song waits at its beginning while effects play, and begins with the load's end from its start
// point: its first note is heard, in the channel state of that point, and a later download keeps the
// synthesizer. A bad soundfont leaves it silent.
TEST_F(performance_test, a_song_played_while_the_synthesizer_loads_begins_when_it_arrives) {
    midi_track_writer_t track;
    track.tempo(0, 1000000);
    // Channel 2 sounds from the beginning only; channel 1, turned down, from the second start point.
    track.message(0, 0xB0, 7, 0);
    track.message(0, 0x91, 60, 100);
    track.message(1, 0x90, 60, 100);
    track.message(96 * 8, 0x80, 60, 0);
    track.message(0, 0x81, 60, 0);
    track.end(0);
    ASSERT_TRUE(write_file_bytes("song.mid", midi_file_bytes(0, 96, {track})));
    ASSERT_TRUE(write_file_bytes("short.wav", pcm16_wav_bytes(1, 44100, std::vector<float>(4410, 0.25f))));
    ASSERT_TRUE(write_file_bytes("bad.sf2", {'n', 'o', 'n', 'e'}));
    const std::string saved = plat::dm_loader_t::soundfont_path();
    struct case_t {
        const char* name;
        bool loads;
        int32_t start_point;
        bool heard;
    };
    for (const case_t& c : {case_t{"soundfont", true, 0, true}, case_t{"bad soundfont", false, 0, false},
                            case_t{"turned down before the start", true, 8, false}}) {
        if (c.loads && loader.collection().empty()) {
            continue; // no General MIDI soundfont installed
        }
        SCOPED_TRACE(c.name);
        plat::set_soundfont_path(c.loads ? saved : "bad.sf2");
        plat::dm_loader_t files;
        std::string error;
        auto song = files.load_segment("song.mid", error);
        auto effect = files.load_segment("short.wav", error);
        song->set_start_point(c.start_point);
        plat::dm_performance_t music;
        EXPECT_TRUE(plat::succeeded(music.init_audio(plat::dmus_apath_dynamic_stereo, 64)));

        plat::hold_synth_loads_for_test(true);
        EXPECT_TRUE(plat::succeeded(music.download(song.get())));
        music.download(effect.get());
        music.play_segment_ex(song.get(), 0, nullptr);
        music.play_segment_ex(effect.get(), plat::dmus_segf_secondary, nullptr);
        EXPECT_NEAR(peak_level(render_audio(11025)), 0.25f, 1e-3);
        EXPECT_EQ(ticks_into_primary(music), 0);

        plat::hold_synth_loads_for_test(false);
        music.wait_for_synth_for_test();
        EXPECT_EQ(peak_level(render_audio(22050)) > 0.01f, c.heard);
        EXPECT_NEAR(ticks_into_primary(music), 384, 1); // half a second at 60 beats a minute
        music.download(song.get());
        music.wait_for_synth_for_test();
        EXPECT_EQ(peak_level(render_audio(4410)) > 0.01f, c.heard);
    }
    plat::set_soundfont_path(saved);
}

TEST_F(performance_test, closing_down_while_the_synthesizer_loads_waits_for_it) {
    if (loader.collection().empty()) {
        GTEST_SKIP() << "no General MIDI soundfont installed";
    }
    plat::hold_synth_loads_for_test(true);
    std::thread release([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        plat::hold_synth_loads_for_test(false);
    });
    auto song = load("slow.mid", slow_song());
    perf.play_segment_ex(song.get(), 0, nullptr);
    perf.close_down();
    release.join();

    // Set up again, the performance mixes before any download, then loads afresh.
    EXPECT_TRUE(plat::succeeded(perf.init_audio(plat::dmus_apath_shared_stereoplusreverb, 64)));
    render_audio(64);
    perf.download(song.get());
    perf.wait_for_synth_for_test();
    render_audio(64);
    EXPECT_TRUE(perf.synth_reverb());
}

TEST_F(performance_test, the_loader_names_what_is_wrong_with_a_file) {
    std::string error;
    EXPECT_EQ(loader.load_segment("missing.mid", error), nullptr);
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;

    std::vector<uint8_t> cut = slow_song();
    cut.resize(cut.size() - 3);
    ASSERT_TRUE(write_file_bytes("cut.mid", cut));
    EXPECT_EQ(loader.load_segment("cut.mid", error), nullptr);
    EXPECT_EQ(error.rfind("MIDI: ", 0), 0u) << error;

    ASSERT_TRUE(write_file_bytes("text.wav", {'h', 'e', 'l', 'l', 'o'}));
    EXPECT_EQ(loader.load_segment("text.wav", error), nullptr);
    EXPECT_FALSE(error.empty());

    // A huge file is refused without being read whole.
    ASSERT_TRUE(write_file_bytes("huge.wav", pcm16_wav_bytes(1, 44100, {})));
    std::filesystem::resize_file("huge.wav", plat::largest_media_file + 1);
    EXPECT_EQ(loader.load_segment("huge.wav", error), nullptr);
    EXPECT_EQ(error, "file too large");
}

TEST(performance_setup, a_missing_soundfont_leaves_the_loader_without_instruments) {
    const std::string saved = plat::dm_loader_t::soundfont_path();
    plat::set_soundfont_path("/nonexistent/none.sf2");
    plat::dm_loader_t loader;
    EXPECT_TRUE(loader.collection().empty());
    plat::set_soundfont_path(saved);
}
