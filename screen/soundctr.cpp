#include "screen/soundctr.h"

#include "base/bootlog.h"
#include "base/failure.h"
#include "base/strformat.h"
#include "platform/window.h"
#include "screen/sound_table.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

soundctr_t g_soundctr;

namespace {

constexpr uint32_t performance_channels = 64;
constexpr int32_t se_requested = 2;
// A name field of a table line: up to 255 characters.
constexpr size_t table_name_size = 256;

// The table's lines; false when there is no usable table, which the boot log then names.
bool read_sound_table(const char* path, std::vector<std::string>& lines) {
    const load_status_t status = read_table_lines(path, lines);
    if (status == load_status_t::missing) {
        bootlog_error(strformat("%s が見つかりません", path));
    }
    return status == load_status_t::loaded;
}

} // namespace

soundctr_t::soundctr_t() {
    reset();
}

void soundctr_t::reset() {
    window = nullptr;
    music = nullptr;
    se_group = nullptr;
    se_segments.fill(nullptr);
    bgm_group = nullptr;
    current_bgm = nullptr;
    bgm_slots.fill(bgm_slot_t{});
    pause_position = 0;
    bgm_off = false;
    playing = false;
    paused = false;
    bgm_volume = 0;
    se_states.fill(0);
    progress = nullptr;
}

bool soundctr_t::create(plat::hwnd_t new_window, bool reverb) {
    window = new_window;
    try {
        music = new umlib::music_t();
    } catch (const construction_error_t&) {
        destroy();
        return false;
    }
    const uint32_t path_type =
        reverb ? plat::dmus_apath_shared_stereoplusreverb : plat::dmus_apath_dynamic_stereo;
    bgm_group = music->create_group(path_type, performance_channels);
    if (bgm_group == nullptr) {
        destroy();
        return false;
    }
    se_group = music->create_group(path_type, performance_channels);
    if (se_group == nullptr) {
        destroy();
        return false;
    }
    return true;
}

void soundctr_t::destroy() {
    if (music != nullptr) {
        clear_bgm_table();
        clear_se_table();
        delete bgm_group;
        delete se_group;
        delete music;
    }
    reset();
}

bool soundctr_t::load_bgm_table(const char* path) {
    if (music == nullptr) {
        return true;
    }
    std::vector<std::string> lines;
    if (!read_sound_table(path, lines)) {
        return true;
    }
    for (const std::string& line : lines) {
        int32_t slot, start_point, loop_start, loop_end;
        char name[table_name_size];
        if (std::sscanf(line.c_str(), "%d%255s%d%d%d", &slot, name, &start_point, &loop_start, &loop_end) !=
                5 ||
            slot < 0 || slot >= bgm_slot_count) {
            continue;
        }
        bgm_slot_t& entry = bgm_slots[size_t(slot)];
        if (!names_ogg_file(name)) {
            replace_bgm_segment(entry, music->create_segment(name, 1, bgm_group, nullptr));
        }
        if (entry.segment == nullptr) {
            bootlog_error(strformat("BGMセグメント [%s] の作成に失敗しました", name));
            clear_bgm_table();
            return false;
        }
        entry.start_point = start_point;
        entry.loop_start = loop_start;
        entry.loop_end = loop_end != 0 ? loop_end : entry.segment->segment->length();
    }
    return true;
}

// A segment being replaced may be the current music: that selection ends with it.
void soundctr_t::replace_bgm_segment(bgm_slot_t& slot, umlib::segment_t* segment) {
    if (slot.segment != nullptr && slot.segment == current_bgm) {
        stop_bgm();
        current_bgm = nullptr;
        playing = false;
        paused = false;
        pause_position = 0;
    }
    delete slot.segment;
    slot.segment = segment;
}

void soundctr_t::clear_bgm_table() {
    if (music == nullptr) {
        return;
    }
    if (bgm_group != nullptr) {
        bgm_group->performance->stop_ex(nullptr);
    }
    for (bgm_slot_t& slot : bgm_slots) {
        delete slot.segment;
        slot = bgm_slot_t{};
    }
    pause_position = 0;
    playing = false;
    paused = false;
    current_bgm = nullptr;
}

bool soundctr_t::load_se_table(const char* path) {
    if (music == nullptr) {
        return true;
    }
    std::vector<std::string> lines;
    read_sound_table(path, lines);
    // A later line of an id replaces an earlier one, so only the last line of each id is loaded.
    struct entry_t {
        int32_t id;
        std::string name;
    };
    std::vector<entry_t> entries;
    std::array<int32_t, se_count> last_line;
    last_line.fill(-1);
    for (const std::string& line : lines) {
        int32_t id;
        char name[table_name_size];
        if (std::sscanf(line.c_str(), "%d%255s", &id, name) != 2 || id < 0 || id >= se_count) {
            continue;
        }
        last_line[size_t(id)] = int32_t(entries.size());
        entries.push_back({id, name});
    }
    int32_t count = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const entry_t& e = entries[i];
        if (plat::close_signal_pending()) {
            break; // the program is ending: what is left is not needed
        }
        if (last_line[size_t(e.id)] != int32_t(i)) {
            continue;
        }
        umlib::segment_t*& entry = se_segments[size_t(e.id)];
        delete entry;
        entry = music->create_segment(e.name.c_str(), 0, se_group, nullptr);
        if (entry == nullptr) {
            bootlog_error(strformat("SEセグメント [%s] の作成に失敗しました", e.name.c_str()));
            clear_se_table();
            return false;
        }
        ++count;
        if (progress != nullptr) {
            progress(window, count * 100 / se_count);
        }
    }
    if (progress != nullptr) {
        progress(window, 100);
    }
    return true;
}

void soundctr_t::clear_se_table() {
    if (music == nullptr) {
        return;
    }
    if (se_group != nullptr) {
        se_group->performance->stop_ex(nullptr);
    }
    for (size_t id = 0; id < se_segments.size(); ++id) {
        delete se_segments[id];
        se_segments[id] = nullptr;
        se_states[id] = 0;
    }
}

void soundctr_t::request_se(int32_t id) {
    if (id >= 0 && id < se_count && se_states[size_t(id)] == 0) {
        se_states[size_t(id)] = se_requested;
    }
}

void soundctr_t::play_requested_se() {
    for (size_t id = 0; id < se_states.size(); ++id) {
        umlib::segment_t* se = se_segments[id];
        if (se_states[id] == se_requested && se != nullptr) {
            se_group->performance->play_segment_ex(se->segment.get(), plat::dmus_segf_secondary,
                                                   se->audio_path);
        }
        if (se_states[id] > 0) {
            --se_states[id];
        }
    }
}

void soundctr_t::select_bgm(int32_t slot) {
    stop_bgm();
    if (slot < 0 || slot >= bgm_slot_count || bgm_slots[size_t(slot)].segment == nullptr) {
        return;
    }
    const bgm_slot_t& entry = bgm_slots[size_t(slot)];
    current_bgm = entry.segment;
    current_bgm->segment->set_start_point(entry.start_point);
    current_bgm->segment->set_loop_points(entry.loop_start, entry.loop_end);
    current_bgm->segment->set_repeats(plat::repeat_infinite);
    pause_position = 0;
    playing = false;
    paused = false;
    set_bgm_volume(0);
}

void soundctr_t::start_bgm() {
    if (current_bgm == nullptr || playing || bgm_off) {
        return;
    }
    bgm_group->performance->play_segment_ex(current_bgm->segment.get(), 0, current_bgm->audio_path);
    playing = true;
}

void soundctr_t::stop_bgm() {
    if (current_bgm == nullptr || !playing) {
        return;
    }
    bgm_group->performance->stop_ex(current_bgm->segment.get());
    playing = false;
    paused = false;
}

// Resuming starts the segment at the paused position; its length stays whole for later plays.
void soundctr_t::pause_bgm(bool pause) {
    if (current_bgm == nullptr || !playing || paused == pause) {
        return;
    }
    paused = pause;
    if (pause) {
        pause_position = current_bgm->position();
        bgm_group->performance->stop_ex(current_bgm->segment.get());
    } else {
        current_bgm->segment->set_start_point(pause_position);
        bgm_group->performance->play_segment_ex(current_bgm->segment.get(), 0, current_bgm->audio_path);
    }
}

void soundctr_t::set_bgm_volume(int32_t volume) {
    if (current_bgm == nullptr) {
        return;
    }
    bgm_volume = std::clamp(volume, plat::lowest_volume, 0);
    current_bgm->audio_path->set_volume(bgm_volume);
}

void soundctr_t::add_bgm_volume(int32_t delta) {
    const int64_t volume = std::clamp<int64_t>(int64_t(bgm_volume) + delta, plat::lowest_volume, 0);
    set_bgm_volume(int32_t(volume));
}

void soundctr_t::set_bgm_off(bool off) {
    bgm_off = off;
    if (off) {
        stop_bgm();
    }
}

void soundctr_t::set_master_volumes(int32_t bgm, int32_t se) {
    if (music == nullptr) {
        return;
    }
    bgm_group->performance->set_master_volume(bgm);
    se_group->performance->set_master_volume(se);
}
