#include "tools/sample/sample.h"

#include "tools/sample/demo_replays.h"
#include "tools/sample/objectinfo_file.h"
#include "tools/sample/overlay_pictures.h"
#include "tools/sample/sample_maps.h"
#include "tools/sample/sound_files.h"
#include "tools/sample/sprite_files.h"
#include "tools/sample/stage_files.h"

#include <filesystem>
#include <system_error>

bool make_sample(const std::string& root, std::string& error) {
    std::error_code ec;
    for (const char* folder : {"bin", "bin/replay", "image", "log"}) {
        std::filesystem::create_directories(std::filesystem::path(root) / folder, ec);
        if (ec) {
            error = std::string(folder) + ": " + ec.message();
            return false;
        }
    }
    if (!write_sound_files(root, error)) {
        return false;
    }
    if (!write_sprite_files(root, error)) {
        return false;
    }
    if (!write_sample_map_table(root, error)) {
        return false;
    }
    if (!write_objectinfo_file(root, error)) {
        return false;
    }
    if (!write_stage_files(root, error)) {
        return false;
    }
    if (!write_gauge_style(root, error)) {
        return false;
    }
    // Last: the demos are recorded by playing the rest of the set.
    if (!write_demo_replays(root, error)) {
        return false;
    }
    return true;
}
