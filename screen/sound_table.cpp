#include "screen/sound_table.h"

#include <cctype>
#include <cstring>
#include <strings.h>

const char* next_table_line(std::FILE* file, table_line_t& buffer) {
    while (std::fgets(buffer.data(), int(buffer.size()), file) != nullptr) {
        const char* p = buffer.data();
        while (std::isspace(static_cast<unsigned char>(*p))) {
            ++p;
        }
        if (*p != '#') {
            return p;
        }
    }
    return nullptr;
}

bool names_ogg_file(const char* name) {
    const size_t length = std::strlen(name);
    return length >= 3 && ::strcasecmp(name + length - 3, "ogg") == 0;
}
