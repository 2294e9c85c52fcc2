#include "base/safe_save.h"

#include "base/bootlog.h"
#include "base/strformat.h"
#include "platform/file_replace.h"

bool safe_save(const std::string& game_path, const std::vector<uint8_t>& bytes) {
    std::string reason;
    if (plat::replace_file(game_path, bytes, reason)) {
        return true;
    }
    bootlog_error(strformat("%s の保存に失敗しました (%s)", game_path.c_str(), reason.c_str()));
    return false;
}

bool save_may_replace(const std::string& game_path, load_status_t status) {
    if (status == load_status_t::loaded || status == load_status_t::missing) {
        return true;
    }
    bootlog_progress(strformat("%s は上書きせずに残し、既定値で実行します", game_path.c_str()));
    return false;
}
