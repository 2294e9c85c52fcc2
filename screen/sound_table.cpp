#include "screen/sound_table.h"

#include "base/bootlog.h"
#include "base/strformat.h"
#include "platform/file.h"

#include <cctype>
#include <cstring>
#include <strings.h>

namespace {

// The longest piece one line read gives, as a 256-byte line buffer holds it.
constexpr size_t longest_piece = 255;

} // namespace

load_status_t read_table_lines(const char* path, std::vector<std::string>& lines) {
    lines.clear();
    std::vector<uint8_t> bytes;
    const load_status_t status = read_whole_file(path, bytes, plat::largest_text_table);
    if (status != load_status_t::loaded) {
        return status;
    }
    size_t pos = 0;
    size_t pieces = 0;
    while (pos < bytes.size()) {
        if (pieces++ == max_table_lines) {
            bootlog_error(
                strformat("%s の行が多すぎます (先頭 %zu 行のみ読み込みました)", path, max_table_lines));
            break;
        }
        const size_t start = pos;
        while (pos < bytes.size() && pos - start < longest_piece && bytes[pos++] != '\n') {
        }
        size_t first = start;
        while (first < pos && std::isspace(bytes[first])) {
            ++first;
        }
        if (first == pos || bytes[first] != '#') {
            lines.emplace_back(bytes.begin() + std::ptrdiff_t(first), bytes.begin() + std::ptrdiff_t(pos));
        }
    }
    return load_status_t::loaded;
}

bool names_ogg_file(const char* name) {
    const size_t length = std::strlen(name);
    return length >= 3 && ::strcasecmp(name + length - 3, "ogg") == 0;
}
