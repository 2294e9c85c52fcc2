#include "tests/screen/sound_fixture.h"

#include "platform/audio_device.h"
#include "platform/file.h"
#include "base/binio.h"
#include "tools/sample/sound_files.h"
#include "tools/sample/sound_writers.h"

#include <fstream>
#include <sstream>

void sound_fixture_t::SetUp() {
    plat::audio_set_manual(true);
    std::string error;
    ASSERT_TRUE(write_sound_files(dir.path(), error)) << error;
    ASSERT_TRUE(plat::make_directory("log"));
    ASSERT_TRUE(sound.create(nullptr, false));
}

void sound_fixture_t::TearDown() {
    sound.destroy();
    plat::audio_set_manual(false);
}

std::string sound_fixture_t::boot_log() const {
    std::ifstream in("log/bootlog.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void sound_fixture_t::write_text(const std::string& path, const std::string& text) const {
    ASSERT_TRUE(write_file_bytes(path, std::vector<uint8_t>(text.begin(), text.end())));
}

void sound_fixture_t::load_level_effect(float level) {
    ASSERT_TRUE(write_file_bytes("level.wav", pcm16_wav_bytes(1, 44100, std::vector<float>(44100, level))));
    write_text("se.txt", "7 level.wav\n");
    ASSERT_TRUE(sound.load_se_table("se.txt"));
}
