#include "platform/midi_chase.h"

#include <array>

namespace plat {

namespace {

constexpr int channel_count = 16;
constexpr int16_t unset = -1;
constexpr uint8_t cc_bank_msb = 0;
constexpr uint8_t cc_bank_lsb = 32;
constexpr uint8_t cc_reset_all = 121;
constexpr uint8_t first_mode_message = 120;

// Data entry, increments and parameter numbers mean something only in sequence; they are not chased.
bool chased_controller(uint8_t c) {
    return c < first_mode_message && c != 6 && c != 38 && !(c >= 96 && c <= 101);
}

uint8_t default_controller(uint8_t c) {
    switch (c) {
    case 7:
        return 100; // volume
    case 8:
    case 10:
        return 64; // balance, pan
    case 11:
        return 127; // expression
    default:
        return 0;
    }
}

struct channel_t {
    bool used = false;
    std::array<int16_t, 128> controllers;
    int16_t program = unset;
    int16_t pressure = unset;
    int32_t bend = unset;
    std::array<bool, 128> controller_used{};
    bool program_used = false, pressure_used = false, bend_used = false;

    channel_t() { controllers.fill(unset); }
};

void record(channel_t& ch, const midi_event_t& e, bool before) {
    switch (e.status & 0xF0) {
    case 0xB0:
        if (chased_controller(e.data1)) {
            ch.controller_used[e.data1] = true;
            if (before) {
                ch.controllers[e.data1] = e.data2;
            }
        }
        break;
    case 0xC0:
        ch.program_used = true;
        if (before) {
            ch.program = e.data1;
        }
        break;
    case 0xD0:
        ch.pressure_used = true;
        if (before) {
            ch.pressure = e.data1;
        }
        break;
    case 0xE0:
        ch.bend_used = true;
        if (before) {
            ch.bend = e.data1 | e.data2 << 7;
        }
        break;
    default:
        return;
    }
    ch.used = true;
}

void emit(std::vector<midi_event_t>& out, uint8_t status, int channel, int data1, int data2 = 0) {
    out.push_back({0, uint8_t(status | channel), uint8_t(data1), uint8_t(data2)});
}

} // namespace

std::vector<midi_event_t> chase_channel_state(const midi_song_t& song, int32_t time) {
    std::array<channel_t, channel_count> channels;
    for (const midi_event_t& e : song.events) {
        record(channels[e.status & 0x0F], e, e.time < time);
    }
    std::vector<midi_event_t> out;
    for (int c = 0; c < channel_count; ++c) {
        const channel_t& ch = channels[c];
        if (!ch.used) {
            continue;
        }
        // Bank select takes effect with the next program change, so the banks go first.
        for (uint8_t cc : {cc_bank_msb, cc_bank_lsb}) {
            if (ch.controller_used[cc]) {
                emit(out, 0xB0, c, cc, ch.controllers[cc] == unset ? 0 : ch.controllers[cc]);
            }
        }
        if (ch.program_used) {
            emit(out, 0xC0, c, ch.program == unset ? 0 : ch.program);
        }
        for (int cc = 0; cc < first_mode_message; ++cc) {
            if (ch.controller_used[cc] && cc != cc_bank_msb && cc != cc_bank_lsb) {
                emit(out, 0xB0, c, cc,
                     ch.controllers[cc] == unset ? default_controller(uint8_t(cc)) : ch.controllers[cc]);
            }
        }
        if (ch.pressure_used) {
            emit(out, 0xD0, c, ch.pressure == unset ? 0 : ch.pressure);
        }
        if (ch.bend_used) {
            const int bend = ch.bend == unset ? 0x2000 : ch.bend;
            emit(out, 0xE0, c, bend & 0x7F, bend >> 7);
        }
    }
    return out;
}

std::vector<midi_event_t> general_midi_reset() {
    std::vector<midi_event_t> out;
    for (int c = 0; c < channel_count; ++c) {
        emit(out, 0xB0, c, cc_reset_all);
        emit(out, 0xB0, c, cc_bank_msb);
        emit(out, 0xB0, c, cc_bank_lsb);
        emit(out, 0xB0, c, 7, default_controller(7));
        emit(out, 0xB0, c, 10, default_controller(10));
        emit(out, 0xC0, c, 0);
        emit(out, 0xE0, c, 0, 0x40);
    }
    return out;
}

} // namespace plat
