#include "platform/audio_device.h"

#include "platform/audio_mixer.h"

#include <SDL.h>
#include <atomic>
#include <cstring>
#include <string>

namespace plat {

namespace {

constexpr Uint16 device_frames = 1024;

struct device_t {
    SDL_AudioDeviceID id = 0;
    int users = 0;
    bool silent_driver = false;
    bool fail = false;
    std::string no_device_reason; // why the last try of a sound card failed
};

device_t& device() {
    static device_t d;
    return d;
}

std::atomic<bool> manual{false};

void pull(void*, Uint8* stream, int bytes) {
    if (manual) {
        std::memset(stream, 0, size_t(bytes));
        return;
    }
    audio_render(reinterpret_cast<float*>(stream), bytes / int(2 * sizeof(float)));
}

// SDL's last error, never empty: the boot log shows it as the reason.
std::string sdl_reason() {
    const char* error = SDL_GetError();
    return error[0] != '\0' ? error : "no audio driver";
}

SDL_AudioDeviceID open_device() {
    SDL_AudioSpec want{};
    want.freq = int(audio_sample_rate);
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = device_frames;
    want.callback = pull;
    return SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
}

} // namespace

bool audio_device_acquire() {
    device_t& d = device();
    if (d.users > 0) {
        ++d.users;
        return true;
    }
    if (d.fail) {
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        d.id = open_device();
        if (d.id == 0) {
            d.no_device_reason = sdl_reason();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    } else {
        d.no_device_reason = sdl_reason();
    }
    if (d.id == 0) {
        d.silent_driver = SDL_AudioInit("dummy") == 0;
        d.id = d.silent_driver ? open_device() : 0;
        if (d.id == 0) {
            if (d.silent_driver) {
                SDL_AudioQuit();
            }
            d.silent_driver = false;
            return false;
        }
    }
    SDL_PauseAudioDevice(d.id, 0);
    d.users = 1;
    return true;
}

void audio_device_release() {
    device_t& d = device();
    if (d.users == 0 || --d.users > 0) {
        return;
    }
    SDL_CloseAudioDevice(d.id);
    d.id = 0;
    if (d.silent_driver) {
        SDL_AudioQuit();
        d.silent_driver = false;
    } else {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

std::string audio_device_missing_reason() {
    const device_t& d = device();
    return d.silent_driver ? d.no_device_reason : std::string();
}

void audio_set_manual(bool on) {
    manual = on;
}

void audio_set_device_failure(bool fail) {
    device().fail = fail;
}

} // namespace plat
