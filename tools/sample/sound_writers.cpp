#include "tools/sample/sound_writers.h"

#include "base/binio.h"

#include <algorithm>
#include <cmath>

namespace {

void put_be32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(uint8_t(v >> shift));
    }
}

} // namespace

void midi_track_writer_t::quantity(uint32_t value) {
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = uint8_t(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (n > 0) {
        --n;
        bytes_.push_back(uint8_t(groups[n] | (n > 0 ? 0x80 : 0)));
    }
}

void midi_track_writer_t::message(uint32_t delta, uint8_t status, uint8_t data1, uint8_t data2) {
    quantity(delta);
    if (!running_status_ || status != last_status_) {
        bytes_.push_back(status);
    }
    last_status_ = status;
    bytes_.push_back(data1);
    const uint8_t kind = status & 0xF0;
    if (kind != 0xC0 && kind != 0xD0) {
        bytes_.push_back(data2);
    }
}

void midi_track_writer_t::tempo(uint32_t delta, uint32_t quarter_microseconds) {
    quantity(delta);
    raw({0xFF, 0x51, 0x03, uint8_t(quarter_microseconds >> 16), uint8_t(quarter_microseconds >> 8),
         uint8_t(quarter_microseconds)});
}

void midi_track_writer_t::end(uint32_t delta) {
    quantity(delta);
    raw({0xFF, 0x2F, 0x00});
}

void midi_track_writer_t::raw(const std::vector<uint8_t>& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void write_notes(midi_track_writer_t& track, const std::vector<midi_note_t>& notes) {
    struct timed_t {
        uint32_t time;
        uint8_t status, key, velocity;
    };
    std::vector<timed_t> events;
    for (const midi_note_t& n : notes) {
        events.push_back({n.start, uint8_t(0x90 | n.channel), n.key, n.velocity});
        events.push_back({n.start + n.length, uint8_t(0x80 | n.channel), n.key, 0});
    }
    // At equal times a note ends before the next one starts.
    std::stable_sort(events.begin(), events.end(), [](const timed_t& a, const timed_t& b) {
        return a.time != b.time ? a.time < b.time : (a.status & 0xF0) < (b.status & 0xF0);
    });
    uint32_t now = 0;
    for (const timed_t& e : events) {
        track.message(e.time - now, e.status, e.key, e.velocity);
        now = e.time;
    }
}

std::vector<uint8_t> midi_file_bytes(uint16_t format, uint16_t division,
                                     const std::vector<midi_track_writer_t>& tracks) {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
    put_be32(out, 6);
    for (uint16_t v : {format, uint16_t(tracks.size()), division}) {
        out.push_back(uint8_t(v >> 8));
        out.push_back(uint8_t(v));
    }
    for (const midi_track_writer_t& track : tracks) {
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        put_be32(out, uint32_t(track.bytes().size()));
        out.insert(out.end(), track.bytes().begin(), track.bytes().end());
    }
    return out;
}

std::vector<uint8_t> wav_file_bytes(uint16_t format_tag, uint16_t channels, uint32_t rate, uint16_t bits,
                                    const std::vector<uint8_t>& data) {
    const uint16_t block = uint16_t(channels * bits / 8);
    byte_writer_t w;
    w.bytes("RIFF", 4);
    w.u32(uint32_t(4 + 8 + 16 + 8 + data.size() + (data.size() & 1)));
    w.bytes("WAVEfmt ", 8);
    w.u32(16);
    w.u16(format_tag);
    w.u16(channels);
    w.u32(rate);
    w.u32(rate * block);
    w.u16(block);
    w.u16(bits);
    w.bytes("data", 4);
    w.u32(uint32_t(data.size()));
    w.bytes(data.data(), data.size());
    if (data.size() & 1) {
        w.u8(0);
    }
    return w.data();
}

std::vector<uint8_t> pcm16_wav_bytes(uint16_t channels, uint32_t rate, const std::vector<float>& samples) {
    byte_writer_t data;
    for (float s : samples) {
        data.i16(int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f)));
    }
    return wav_file_bytes(1, channels, rate, 16, data.data());
}
