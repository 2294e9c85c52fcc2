#include "tests/player/player_fixture.h"

#include "base/binio.h"
#include "objects/play_globals.h"
#include "play/play_state.h"
#include "screen/soundctr.h"
#include "tools/sample/objectinfo_file.h"

#include <algorithm>
#include <filesystem>

player_test::player_test() {
    reset_play_state();
    forget_sounds();
}

player_test::~player_test() {
    reset_play_state();
    forget_sounds();
}

bool player_test::requested(int32_t id) {
    return g_soundctr.se_states[size_t(id)] != 0;
}

void player_test::forget_sounds() {
    g_soundctr.se_states.fill(0);
}

bool player_test::load_table_without(std::initializer_list<int32_t> missing_ids) {
    temp_folder_t folder;
    std::vector<objectinfo_t> records = sample_objectinfo_records();
    std::erase_if(records, [&](const objectinfo_t& r) {
        return std::find(missing_ids.begin(), missing_ids.end(), r.id) != missing_ids.end();
    });
    std::filesystem::create_directory("bin");
    return write_file_bytes(".\\bin\\objectinfo.dat", encode_objectinfo(records)) &&
           objectinfo_load(".\\bin\\objectinfo.dat", 1);
}
