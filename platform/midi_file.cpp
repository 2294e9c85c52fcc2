#include "platform/midi_file.h"

#include "platform/byte_order.h"

#include <algorithm>
#include <cstring>

namespace plat {

namespace {

constexpr size_t chunk_header_size = 8;
constexpr uint64_t longest_music_time = 0x7FFFFFFF;

// A bounds-checked cursor over one track chunk.
class track_cursor_t {
  public:
    track_cursor_t(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool at_end() const { return pos_ == size_; }
    bool byte(uint8_t& out) {
        if (pos_ == size_) {
            return false;
        }
        out = data_[pos_++];
        return true;
    }
    // A variable-length quantity: at most four bytes of seven bits.
    bool quantity(uint32_t& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b;
            if (!byte(b)) {
                return false;
            }
            out = out << 7 | (b & 0x7F);
            if ((b & 0x80) == 0) {
                return true;
            }
        }
        return false;
    }
    bool skip(uint32_t n) {
        if (n > size_ - pos_) {
            return false;
        }
        pos_ += n;
        return true;
    }
    const uint8_t* here() const { return data_ + pos_; }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

int data_bytes(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

class track_parser_t {
  public:
    track_parser_t(uint16_t division, midi_song_t& song) : division_(division), song_(song) {}

    // Appends the track's events; end is the music time at which the track ends.
    bool parse(const uint8_t* data, size_t size, int32_t& end, std::string& error) {
        track_cursor_t in(data, size);
        uint64_t tick = 0;
        end = 0;
        running_ = 0; // running status never carries over from the previous track
        while (!in.at_end()) {
            uint32_t delta;
            if (!in.quantity(delta)) {
                return fail(error, "bad or truncated delta time");
            }
            tick += delta;
            if (tick > longest_music_time * division_) {
                return fail(error, "song too long");
            }
            const uint64_t time = (tick * music_ticks_per_quarter + division_ / 2) / division_;
            if (time > longest_music_time) {
                return fail(error, "song too long");
            }
            end = int32_t(time);
            uint8_t lead;
            if (!in.byte(lead)) {
                return fail(error, "event missing after its delta time");
            }
            bool track_ended = false;
            if (!event(in, lead, end, track_ended, error)) {
                return false;
            }
            if (track_ended) {
                return true;
            }
        }
        return true;
    }

  private:
    bool event(track_cursor_t& in, uint8_t lead, int32_t time, bool& track_ended, std::string& error) {
        if (lead == 0xFF) {
            return meta(in, time, track_ended, error);
        }
        if (lead == 0xF0 || lead == 0xF7) {
            uint32_t length;
            if (!in.quantity(length) || !in.skip(length)) {
                return fail(error, "system exclusive message runs past the end of the track");
            }
            return true;
        }
        if (lead > 0xF0) {
            return fail(error, "unknown status byte " + std::to_string(lead));
        }
        midi_event_t e;
        e.time = time;
        if (lead & 0x80) {
            running_ = lead;
            if (!in.byte(e.data1)) {
                return fail(error, "message truncated");
            }
        } else {
            if (running_ == 0) {
                return fail(error, "running status without a status byte");
            }
            e.data1 = lead;
        }
        e.status = running_;
        if (data_bytes(e.status) == 2 && !in.byte(e.data2)) {
            return fail(error, "message truncated");
        }
        if ((e.data1 | e.data2) & 0x80) {
            return fail(error, "data byte out of range");
        }
        song_.events.push_back(e);
        return true;
    }

    bool meta(track_cursor_t& in, int32_t time, bool& track_ended, std::string& error) {
        uint8_t type;
        uint32_t length;
        if (!in.byte(type) || !in.quantity(length)) {
            return fail(error, "meta event truncated");
        }
        const uint8_t* body = in.here();
        if (!in.skip(length)) {
            return fail(error, "meta event runs past the end of the track");
        }
        if (type == 0x51 && length >= 3) {
            song_.tempos.push_back({time, uint32_t(body[0]) << 16 | uint32_t(body[1]) << 8 | body[2]});
        }
        track_ended = type == 0x2F;
        return true;
    }

    static bool fail(std::string& error, const std::string& text) {
        error = text;
        return false;
    }

    uint16_t division_;
    midi_song_t& song_;
    uint8_t running_ = 0;
};

} // namespace

bool is_midi_file(const uint8_t* data, size_t size) {
    return size >= 4 && std::memcmp(data, "MThd", 4) == 0;
}

bool parse_midi_file(const uint8_t* data, size_t size, midi_song_t& song, std::string& error) {
    song = midi_song_t{};
    if (!is_midi_file(data, size) || size < chunk_header_size) {
        error = "not a Standard MIDI File";
        return false;
    }
    const uint32_t header_size = read_be32(data + 4);
    if (header_size < 6 || header_size > size - chunk_header_size) {
        error = "bad header length";
        return false;
    }
    const uint16_t format = read_be16(data + 8);
    const uint16_t tracks = read_be16(data + 10);
    const uint16_t division = read_be16(data + 12);
    if (format > 1) {
        error = "unsupported format " + std::to_string(format);
        return false;
    }
    if (tracks == 0) {
        error = "no tracks";
        return false;
    }
    if (division == 0) {
        error = "zero time division";
        return false;
    }
    if (division & 0x8000) {
        error = "SMPTE time division is not supported";
        return false;
    }
    track_parser_t parser(division, song);
    size_t pos = chunk_header_size + header_size;
    int found = 0;
    while (found < tracks && size - pos >= chunk_header_size) {
        const uint32_t length = read_be32(data + pos + 4);
        if (length > size - pos - chunk_header_size) {
            error = "chunk length past the end of the file";
            return false;
        }
        const uint8_t* body = data + pos + chunk_header_size;
        if (std::memcmp(data + pos, "MTrk", 4) == 0) {
            int32_t end;
            if (!parser.parse(body, length, end, error)) {
                error = "track " + std::to_string(found + 1) + ": " + error;
                return false;
            }
            song.length = std::max(song.length, end);
            ++found;
        }
        pos += chunk_header_size + length;
    }
    if (found < tracks) {
        error = "file ends after " + std::to_string(found) + " of " + std::to_string(tracks) + " tracks";
        return false;
    }
    auto by_time = [](const auto& a, const auto& b) { return a.time < b.time; };
    std::stable_sort(song.events.begin(), song.events.end(), by_time);
    std::stable_sort(song.tempos.begin(), song.tempos.end(), by_time);
    return true;
}

} // namespace plat
