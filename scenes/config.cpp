#include "scenes/config.h"

#include "base/binio.h"
#include "base/safe_read.h"
#include "base/safe_save.h"
#include "platform/keyboard.h"
#include "scenes/display_mode.h"

#include <algorithm>
#include <vector>

namespace {

constexpr size_t record_size = config_field_count * sizeof(int32_t);

} // namespace

void config_default(config_t* config) {
    config->screen_mode = display_mode_table[0];
    config->blt_scale = default_blt_scale(config->screen_mode);
    config->refresh_mode = 1;
    config->stage = 1;
    config->section = 0;
    config->level = 2;
    config->loop = 1;
    config->life = 3;
    config->equipment = 1;
    config->power_up = 0;
    config->power_down = 1;
    config->bgm = 0;
    config->bgm_volume = -1200;
    config->se_volume = -1600;
    config->reverb = 1;
    config->joystick = 0;
    config->shot_key = 'Z';
    config->missile_key = 'Z';
    config->powerup_key = 'X';
    config->multiple_key = plat::vk_shift;
    config->pause_key = plat::vk_space;
}

load_status_t config_load(config_t* config) {
    std::vector<uint8_t> bytes;
    const load_status_t status = read_record_file(config_path, bytes, record_size);
    if (status != load_status_t::loaded) {
        return status;
    }
    byte_reader_t in(bytes);
    for (const auto field : config_fields) {
        config->*field = in.i32();
    }
    // Every user of the scale multiplies by it: it is bounded here, where it enters from the file.
    config->blt_scale = std::clamp(config->blt_scale, 1, max_blt_scale);
    return load_status_t::loaded;
}

bool config_save(const config_t* config) {
    byte_writer_t out;
    for (const auto field : config_fields) {
        out.i32(config->*field);
    }
    return safe_save(config_path, out.data());
}
