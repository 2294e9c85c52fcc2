#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>
#include <vector>

temp_folder_t::temp_folder_t() {
    std::string pattern = (std::filesystem::temp_directory_path() / "melvorin-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = buffer.data();
    previous_ = std::filesystem::current_path().string();
    std::filesystem::current_path(path_);
}

temp_folder_t::~temp_folder_t() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(path_, ec);
}
