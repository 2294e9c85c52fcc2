#include "tools/sample/sample.h"

#include "tools/sample/sample_maps.h"

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
    return write_sample_map_table(root, error);
}
