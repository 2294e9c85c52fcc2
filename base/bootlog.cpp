#include "base/bootlog.h"

#include "platform/file.h"

namespace {

void append(const char* prefix, const std::string& text) {
    std::FILE* f = plat::open_file(bootlog_path, "a");
    if (f == nullptr && plat::make_directory(bootlog_folder)) {
        f = plat::open_file(bootlog_path, "a");
    }
    if (f == nullptr) {
        return;
    }
    std::fputs(prefix, f);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fputc('\n', f);
    std::fclose(f);
}

} // namespace

void bootlog_reset() {
    plat::remove_file(bootlog_path);
}

void bootlog_progress(const std::string& text) {
    append("- ", text);
}

void bootlog_error(const std::string& text) {
    append("* Error: ", text);
}
