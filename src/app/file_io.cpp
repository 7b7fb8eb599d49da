#include "app/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mapedit {

Result<std::string> readWholeFile(const std::string& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return Failure{"Cannot open " + path + ": " + std::strerror(errno)};
    std::string text;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, n);
    if (std::ferror(file.get()))
        return Failure{"Cannot read " + path + ": " + std::strerror(errno)};
    return text;
}

namespace {

// Writes all of text to a fresh descriptor and syncs it.
bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return ::fsync(fd) == 0;
}

Failure<std::string> cannotWrite(const std::string& path, int error) {
    return Failure{"Cannot write " + path + ": " + std::strerror(error)};
}

}  // namespace

std::string directoryOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

Status writeFileAtomically(const std::string& path, std::string_view text) {
    std::string temp = directoryOf(path) + "/.mapedit-save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return cannotWrite(path, errno);
    const bool written = writeAll(fd, text);
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
        const int error = written ? errno : savedErrno;
        ::unlink(temp.c_str());
        return cannotWrite(path, error);
    }
    // Keep the permissions an existing file had; a new file gets the usual ones.
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ::chmod(temp.c_str(), mode);
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return cannotWrite(path, error);
    }
    return {};
}

std::string fileNameOf(const std::string& path) {
    // Paths written on the other platform separate with backslashes too.
    std::string portable = path;
    std::replace(portable.begin(), portable.end(), '\\', '/');
    return std::filesystem::path(portable).filename().string();
}

}  // namespace mapedit
