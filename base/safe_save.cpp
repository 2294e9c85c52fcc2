#include "base/safe_save.h"

#include "platform/file.h"
#include "base/bootlog.h"
#include "base/strformat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool fail(const std::string& game_path, const char* step, int error) {
    bootlog_error(
        strformat("%s の保存に失敗しました (%s: %s)", game_path.c_str(), step, std::strerror(error)));
    return false;
}

} // namespace

bool safe_save(const std::string& game_path, const std::vector<uint8_t>& bytes) {
    // The temporary file sits in the target's own folder, so the rename never crosses file systems.
    const std::string target = plat::native_path(game_path);
    const std::string temporary = target + ".tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (f == nullptr) {
        return fail(game_path, "open", errno);
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        const int error = errno;
        std::fclose(f);
        std::remove(temporary.c_str());
        return fail(game_path, "write", error);
    }
    if (std::fclose(f) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        return fail(game_path, "close", error);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        return fail(game_path, "rename", error);
    }
    return true;
}
