// Feeds arbitrary bytes to the WAV reader, and renders whatever it accepts through a looping voice.
#include "platform/wav_file.h"
#include "platform/wave_voice.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto wave = std::make_shared<plat::wave_t>();
    std::string error;
    if (!plat::parse_wav_file(data, size, *wave, error)) {
        return 0;
    }
    const int32_t length = plat::wave_music_length(*wave);
    plat::wave_voice_t voice(wave, {length, 0, length / 3, 0, 2}, 44100);
    std::vector<float> out(2 * 64);
    for (int block = 0; block < 64 && !voice.ended(); ++block) {
        voice.render_add(out.data(), 64);
        voice.advance(3);
    }
    return 0;
}
