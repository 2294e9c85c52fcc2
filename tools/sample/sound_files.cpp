#include "tools/sample/sound_files.h"

#include "base/binio.h"
#include "base/strformat.h"
#include "tools/sample/sound_writers.h"
#include "tools/sample/stage_plan.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

constexpr uint32_t effect_rate = 22050;
constexpr double pi = 3.14159265358979323846;

enum class effect_kind_t { blip, sweep, noise, chime };

struct effect_t {
    int id;
    effect_kind_t kind;
    double from_hz;
    double to_hz;
    double seconds;
};

// Every id the shell, the scenes and the player request.
const effect_t effects[] = {
    {0, effect_kind_t::noise, 0, 0, 0.12},       {3, effect_kind_t::noise, 0, 0, 0.6},
    {4, effect_kind_t::sweep, 200, 800, 0.3},    {5, effect_kind_t::blip, 880, 0, 0.05},
    {6, effect_kind_t::blip, 660, 0, 0.05},      {8, effect_kind_t::chime, 523, 0, 0.4},
    {9, effect_kind_t::blip, 990, 0, 0.04},      {13, effect_kind_t::chime, 784, 0, 0.2},
    {14, effect_kind_t::noise, 0, 0, 0.2},       {15, effect_kind_t::sweep, 300, 900, 0.25},
    {17, effect_kind_t::sweep, 900, 300, 0.2},   {28, effect_kind_t::blip, 1320, 0, 0.03},
    {32, effect_kind_t::chime, 587, 0, 0.15},    {33, effect_kind_t::chime, 659, 0, 0.15},
    {47, effect_kind_t::noise, 0, 0, 0.08},      {80, effect_kind_t::chime, 698, 0, 0.15},
    {81, effect_kind_t::chime, 740, 0, 0.15},    {82, effect_kind_t::chime, 831, 0, 0.15},
    {83, effect_kind_t::chime, 880, 0, 0.15},    {84, effect_kind_t::chime, 932, 0, 0.15},
    {85, effect_kind_t::chime, 988, 0, 0.15},    {86, effect_kind_t::chime, 1047, 0, 0.15},
    {100, effect_kind_t::sweep, 1200, 600, 0.3}, {101, effect_kind_t::sweep, 1500, 900, 0.06},
    {102, effect_kind_t::sweep, 700, 1400, 0.2}, {104, effect_kind_t::sweep, 400, 150, 0.25},
};

std::vector<float> effect_samples(const effect_t& e) {
    const size_t count = size_t(e.seconds * effect_rate);
    std::vector<float> out(count);
    uint32_t noise = 0x1234567u + uint32_t(e.id);
    double phase = 0;
    float smooth = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / effect_rate;
        const double left = 1.0 - double(i) / double(count);
        double hz = e.from_hz;
        if (e.kind == effect_kind_t::sweep) {
            hz = e.from_hz + (e.to_hz - e.from_hz) * t / e.seconds;
        } else if (e.kind == effect_kind_t::chime && t * 2 > e.seconds) {
            hz = e.from_hz * 1.5; // up a fifth halfway
        }
        phase += 2 * pi * hz / effect_rate;
        float v;
        if (e.kind == effect_kind_t::noise) {
            noise = noise * 22695477u + 1u;
            smooth += (float(int32_t(noise >> 16 & 0x7FFF) - 16384) / 16384.0f - smooth) * 0.3f;
            v = smooth;
        } else if (e.kind == effect_kind_t::blip) {
            v = std::sin(phase) >= 0 ? 0.5f : -0.5f;
        } else {
            v = float(std::sin(phase));
        }
        out[i] = v * float(0.6 * left);
    }
    return out;
}

// A song of one chord per bar: bass, arpeggiated lead and drums.
struct song_t {
    const char* file;
    uint16_t format;
    uint16_t division;
    uint32_t quarter_microseconds;
    uint32_t second_tempo_bar; // 0: one tempo
    uint32_t second_quarter_microseconds;
    bool running_status;
    uint8_t lead_program;
    uint8_t bass_program;
    std::vector<int> roots; // a bar each; negative: a minor chord on -root
};

std::vector<midi_note_t> song_notes(const song_t& song) {
    const uint32_t beat = song.division;
    const uint32_t eighth = beat / 2;
    std::vector<midi_note_t> notes;
    for (size_t bar = 0; bar < song.roots.size(); ++bar) {
        const uint32_t at = uint32_t(bar) * 4 * beat;
        const int root = std::abs(song.roots[bar]);
        const int third = song.roots[bar] < 0 ? 3 : 4;
        const int arpeggio[] = {0, third, 7, 12, 7, third, 0, 7};
        for (uint32_t step = 0; step < 8; ++step) {
            notes.push_back({at + step * eighth, eighth, 0, uint8_t(root + 12 + arpeggio[step]), 96});
            notes.push_back({at + step * eighth, eighth, 1, uint8_t(root - 24), 100});
            notes.push_back({at + step * eighth, eighth / 2, 9, 42, 70}); // closed hi-hat
        }
        for (uint32_t b = 0; b < 4; ++b) {
            notes.push_back({at + b * beat, eighth, 9, uint8_t(b % 2 == 0 ? 36 : 38), 110}); // kick, snare
        }
    }
    return notes;
}

std::vector<uint8_t> song_bytes(const song_t& song) {
    const uint32_t song_ticks = uint32_t(song.roots.size()) * 4 * song.division;
    midi_track_writer_t conductor;
    conductor.tempo(0, song.quarter_microseconds);
    uint32_t tempo_at = 0;
    if (song.second_tempo_bar != 0) {
        tempo_at = song.second_tempo_bar * 4 * song.division;
        conductor.tempo(tempo_at, song.second_quarter_microseconds);
    }
    midi_track_writer_t music(song.running_status);
    if (song.format == 0) {
        music.tempo(0, song.quarter_microseconds);
    }
    music.message(0, 0xC0, song.lead_program);
    music.message(0, 0xC1, song.bass_program);
    music.message(0, 0xB0, 7, 100);
    music.message(0, 0xB1, 7, 110);
    write_notes(music, song_notes(song));
    music.end(0);
    if (song.format == 0) {
        return midi_file_bytes(0, song.division, {music});
    }
    conductor.end(song_ticks - tempo_at);
    return midi_file_bytes(1, song.division, {conductor, music});
}

const std::vector<song_t>& songs() {
    static const std::vector<song_t> list = {
        {"title.mid", 1, 480, 454545, 0, 0, false, 80, 38, {-57, 53, 48, 55}},
        {"select.mid", 0, 96, 500000, 0, 0, true, 81, 33, {48, -57, 53, 55}},
        {"gameover.mid", 0, 120, 750000, 0, 0, true, 19, 32, {-45, -52}},
        {"stage01.mid", 1, 384, 428571, 4, 400000, false, 29, 38, {-52, 48, 50, -52, -57, 53, 55, -52}},
        {"boss01.mid", 1, 240, 375000, 0, 0, false, 30, 39, {-50, -50, 46, 48}},
    };
    return list;
}

// Each table: its file and its lines (slot, file, start point, loop start, loop end in music time, 3072
// ticks a bar).
struct table_t {
    std::string name;
    std::vector<std::string> lines;
};

// Every stage plays the stage tune in slot 0 and keeps the boss tune in slot 1.
std::vector<table_t> make_bgm_tables() {
    std::vector<table_t> list = {
        {"bgmtbl_ttl.txt", {"0\t.\\bin\\sound\\title.mid\t0\t3072\t9216"}},
        {"bgmtbl_tps.txt", {"0\t.\\bin\\sound\\select.mid\t0\t0\t0"}},
        {"bgmtbl_gmo.txt", {"0\t.\\bin\\sound\\gameover.mid\t0\t0\t0"}},
    };
    for (const stage_outline_t& stage : sample_stage_outlines()) {
        list.push_back(
            {strformat("bgmtbl%03d.txt", stage.stage),
             {"0\t.\\bin\\sound\\stage01.mid\t0\t6144\t21504", "1\t.\\bin\\sound\\boss01.mid\t0\t0\t0"}});
    }
    return list;
}

const std::vector<table_t>& bgm_tables() {
    static const std::vector<table_t> list = make_bgm_tables();
    return list;
}

bool write_text(const std::string& path, const std::string& header, const std::vector<std::string>& lines,
                std::string& error) {
    std::string text = header;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    if (!write_file_bytes(path, std::vector<uint8_t>(text.begin(), text.end()))) {
        error = path + ": cannot write";
        return false;
    }
    return true;
}

bool write_binary(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
    if (!write_file_bytes(path, bytes)) {
        error = path + ": cannot write";
        return false;
    }
    return true;
}

} // namespace

bool write_sound_files(const std::string& root, std::string& error) {
    const std::string bin = root + "/bin";
    std::error_code ec;
    std::filesystem::create_directories(bin + "/sound", ec);
    if (ec) {
        error = bin + "/sound: " + ec.message();
        return false;
    }
    std::vector<std::string> se_lines;
    for (const effect_t& e : effects) {
        const std::string name = strformat("se%03d.wav", e.id);
        if (!write_binary(bin + "/sound/" + name, pcm16_wav_bytes(1, effect_rate, effect_samples(e)),
                          error)) {
            return false;
        }
        se_lines.push_back(strformat("%d\t.\\bin\\sound\\%s", e.id, name.c_str()));
    }
    if (!write_text(bin + "/setbl.txt", "# id\tfile\n", se_lines, error)) {
        return false;
    }
    for (const song_t& song : songs()) {
        if (!write_binary(bin + "/sound/" + song.file, song_bytes(song), error)) {
            return false;
        }
    }
    for (const table_t& table : bgm_tables()) {
        if (!write_text(bin + "/" + table.name, "# slot\tfile\tstart\tloop start\tloop end\n", table.lines,
                        error)) {
            return false;
        }
    }
    return true;
}
