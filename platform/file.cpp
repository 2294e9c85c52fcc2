#include "platform/file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace plat {

namespace {

bool exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::string slashed(const std::string& game_path) {
    std::string p = game_path;
    for (char& c : p) {
        if (c == '\\') {
            c = '/';
        }
    }
    while (p.size() >= 2 && p[0] == '.' && p[1] == '/') {
        p.erase(0, 2);
    }
    return p;
}

// Finds the entry of folder whose name equals name without regard to case.
bool find_entry(const std::string& folder, const std::string& name, std::string& found) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return false;
    }
    bool ok = false;
    while (dirent* e = ::readdir(dir)) {
        if (::strcasecmp(e->d_name, name.c_str()) == 0) {
            found = e->d_name;
            ok = true;
            break;
        }
    }
    ::closedir(dir);
    return ok;
}

} // namespace

std::string native_path(const std::string& game_path) {
    const std::string p = slashed(game_path);
    if (p.empty() || exists(p)) {
        return p;
    }
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= p.size()) {
        const size_t slash = p.find('/', start);
        const size_t end = slash == std::string::npos ? p.size() : slash;
        parts.push_back(p.substr(start, end - start));
        start = end + 1;
    }
    std::string built = p[0] == '/' ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        if (part.empty()) {
            continue;
        }
        std::string next = built.empty() || built.back() == '/' ? built + part : built + "/" + part;
        if (!exists(next)) {
            std::string found;
            if (part == "." || part == ".." || !find_entry(built, part, found)) {
                // Nothing matches: the rest stays as written inside the folders found so far, so a new
                // file is made in an existing folder of another case, and a missing folder still fails.
                for (++i; i < parts.size(); ++i) {
                    next += "/" + parts[i];
                }
                return next;
            }
            next = built.empty() || built.back() == '/' ? built + found : built + "/" + found;
        }
        built = next;
    }
    return built;
}

std::FILE* open_file(const std::string& game_path, const char* mode) {
    return std::fopen(native_path(game_path).c_str(), mode);
}

read_status_t read_regular_file(const std::string& game_path, std::vector<uint8_t>& out, size_t max_bytes,
                                bool whole, std::string& reason) {
    out.clear();
    // O_NONBLOCK: opening a pipe with no writer would otherwise wait for one for ever.
    const int fd = ::open(native_path(game_path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return read_status_t::missing;
        }
        reason = std::strerror(errno);
        return read_status_t::refused;
    }
    const auto refuse = [&](std::string why) {
        ::close(fd);
        out.clear();
        reason = std::move(why);
        return read_status_t::refused;
    };
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        return refuse(std::strerror(errno));
    }
    if (!S_ISREG(st.st_mode)) {
        return refuse(S_ISDIR(st.st_mode) ? "not a file but a folder" : "not a regular file");
    }
    if (whole && uint64_t(st.st_size) > max_bytes) {
        return refuse("file too large");
    }
    // One byte past the cap tells a file that grew while it was read.
    const size_t want = whole ? max_bytes + 1 : max_bytes;
    out.resize(std::min<uint64_t>(want, uint64_t(st.st_size) + 1));
    size_t got = 0;
    while (got < want) {
        if (got == out.size()) {
            out.resize(std::min(want, got + (size_t(1) << 16)));
        }
        const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return refuse(std::strerror(errno));
        }
        if (n == 0) {
            break;
        }
        got += size_t(n);
    }
    out.resize(got);
    if (whole && got > max_bytes) {
        return refuse("file too large");
    }
    ::close(fd);
    return read_status_t::read;
}

bool remove_file(const std::string& game_path) {
    return ::unlink(native_path(game_path).c_str()) == 0;
}

bool file_exists(const std::string& game_path) {
    return exists(native_path(game_path));
}

bool make_directory(const std::string& game_path) {
    const std::string p = native_path(game_path);
    return ::mkdir(p.c_str(), 0755) == 0 || errno == EEXIST;
}

std::string executable_folder() {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) {
        return ".";
    }
    std::string path(buffer.data(), size_t(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

bool set_current_directory(const std::string& path) {
    return ::chdir(path.c_str()) == 0;
}

std::string current_directory() {
    std::vector<char> buffer(4096);
    return ::getcwd(buffer.data(), buffer.size()) ? std::string(buffer.data()) : std::string();
}

} // namespace plat
