#include "platform/file_replace.h"

#include "platform/file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

namespace {

std::string failed(const char* step, const std::string& path, int error) {
    return std::string(step) + " " + path + ": " + std::strerror(error);
}

// The file the bytes land in: the target, or where it points when it is a symbolic link, so that the
// player's own link keeps leading to the file that is kept up to date.
bool resolve_target(const std::string& target, std::string& resolved, std::string& reason) {
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        resolved = target;
        return true;
    }
    char* real = ::realpath(target.c_str(), nullptr);
    if (real == nullptr) {
        reason = failed("follow link", target, errno);
        return false;
    }
    resolved = real;
    std::free(real);
    if (::stat(resolved.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        reason = "follow link " + target + ": " + resolved + " is not a regular file";
        return false;
    }
    return true;
}

bool write_all(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            errno = n == 0 ? ENOSPC : errno;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

// The rename is on disk only once the folder that holds it is.
bool sync_folder(const std::string& file) {
    const size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash == 0 ? 1 : slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return ok;
}

} // namespace

bool replace_file(const std::string& game_path, const std::vector<uint8_t>& bytes, std::string& reason) {
    std::string target;
    if (!resolve_target(native_path(game_path), target, reason)) {
        return false;
    }
    // Beside the target, so the rename never crosses file systems. A temporary left by a killed save is
    // removed; anything else standing there (a link, a folder) makes the create fail rather than be used.
    const std::string temporary = target + ".tmp";
    struct stat st;
    if (::lstat(temporary.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        ::unlink(temporary.c_str());
    }
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason = failed("create", temporary, errno);
        return false;
    }
    if (::stat(target.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777); // the replaced file's permissions stay
    }
    const auto give_up = [&](const char* step, int error) {
        reason = failed(step, temporary, error);
        ::unlink(temporary.c_str());
        return false;
    };
    if (!write_all(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return give_up("write", error);
    }
    if (::close(fd) != 0) {
        return give_up("close", errno);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        return give_up("rename", errno);
    }
    if (!sync_folder(target)) {
        reason = failed("fsync folder of", target, errno);
        return false;
    }
    return true;
}

} // namespace plat
