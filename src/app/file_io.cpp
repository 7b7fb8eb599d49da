#include "app/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <random>
#else
#include <unistd.h>
#endif

#include "platform/native_path.h"

namespace mapedit {

Result<std::string> readWholeFile(const std::string& path) {
#ifdef _WIN32
    // Windows refuses to open a folder at all ("permission denied"); say it
    // as POSIX does when reading one fails.
    std::error_code ec;
    if (const auto native = nativePath(path); native && std::filesystem::is_directory(*native, ec))
        return Failure{"Cannot read " + path + ": " + std::strerror(EISDIR)};
#endif
    std::unique_ptr<FILE, int (*)(FILE*)> file(openFile(path, "rb"), &std::fclose);
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

Failure<std::string> cannotWrite(const std::string& path, int error) {
    return Failure{"Cannot write " + path + ": " + std::strerror(error)};
}

#ifdef _WIN32

// A new file that no one else has opened: the name `stem` with a random
// ending, created exclusively. Returns the descriptor, or -1 with errno set.
int createTemporary(const std::filesystem::path& stem, std::filesystem::path& name) {
    std::random_device seed;
    std::minstd_rand pick(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem;
        name += std::to_wstring(pick());
        int fd = -1;
        const errno_t opened =
            _wsopen_s(&fd, name.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYNO,
                      _S_IREAD | _S_IWRITE);
        if (opened == 0) return fd;
        if (opened != EEXIST) {
            errno = opened;
            return -1;
        }
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(text.size(), 1 << 20));
        const int n = ::_write(fd, text.data(), chunk);
        if (n < 0) return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return ::_commit(fd) == 0;
}

#else

// Writes all of text to a descriptor.
bool writeBytes(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writes all of text to a fresh file and syncs it.
bool writeAll(int fd, std::string_view text) {
    return writeBytes(fd, text) && ::fsync(fd) == 0;
}

#endif

}  // namespace

std::string directoryOf(const std::string& path) {
    const auto native = nativePath(path);
    const std::filesystem::path parent = native ? native->parent_path() : std::filesystem::path();
    return parent.empty() ? "." : utf8Path(parent);
}

#ifdef _WIN32

// Windows keeps no POSIX permissions to carry over, and its rename (the
// library's, MoveFileEx) replaces the target as POSIX rename does.
Status writeFileAtomically(const std::string& path, std::string_view text) {
    const auto target = nativePath(path);
    if (!target) return cannotWrite(path, EINVAL);
    std::error_code ec;
    // Said the same way on both platforms; Windows would say "access denied".
    if (std::filesystem::is_directory(*target, ec)) return cannotWrite(path, EISDIR);
    const auto folder = nativePath(directoryOf(path));
    std::filesystem::path temp;
    const int fd = createTemporary(*folder / L".mapedit-save-", temp);
    if (fd < 0) return cannotWrite(path, errno);
    const bool written = writeAll(fd, text);
    const int savedErrno = errno;
    if (::_close(fd) != 0 || !written) {
        const int error = written ? errno : savedErrno;
        std::filesystem::remove(temp, ec);
        return cannotWrite(path, error);
    }
    std::filesystem::rename(temp, *target, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return cannotWrite(path, EACCES);
    }
    return {};
}

#else

namespace {

// The file a path names in the end: symbolic links are followed (to where
// they point, whether or not that exists yet), so that saving through a
// link writes the file and keeps the link.
std::string fileBehindLinks(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return path;
    if (const fs::path real = fs::canonical(path, ec); !ec) return real.string();
    // A link to a file still to be made: follow it by hand. As many links
    // as the system itself follows before giving up.
    fs::path at = path;
    for (int hop = 0; hop < 40 && fs::is_symlink(at, ec); ++hop) {
        const fs::path to = fs::read_symlink(at, ec);
        if (ec) break;
        at = to.is_absolute() ? to : at.parent_path() / to;
    }
    return at.string();
}

// A device or a pipe cannot be replaced by renaming a file over it, which
// would put a plain file in its place: it is written to directly.
Status writeInPlace(const std::string& path, std::string_view text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
    if (fd < 0) return cannotWrite(path, errno);
    const bool written = writeBytes(fd, text);
    const int error = errno;
    if (::close(fd) != 0 || !written) return cannotWrite(path, written ? errno : error);
    return {};
}

}  // namespace

Status writeFileAtomically(const std::string& named, std::string_view text) {
    struct stat old {};
    const bool exists = ::stat(named.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode)) return writeInPlace(named, text);
    const std::string path = fileBehindLinks(named);
    std::string temp = directoryOf(path) + "/.mapedit-save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return cannotWrite(named, errno);
    const bool written = writeAll(fd, text);
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
        const int error = written ? errno : savedErrno;
        ::unlink(temp.c_str());
        return cannotWrite(named, error);
    }
    // Keep the permissions an existing file had; a new file gets the usual ones.
    ::chmod(temp.c_str(), exists ? (old.st_mode & 07777) : 0644);
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return cannotWrite(named, error);
    }
    return {};
}

#endif

std::string fileNameOf(const std::string& path) {
    // Paths written on the other platform separate with backslashes too.
    // The bytes after the last separator, kept as they are (no code page
    // conversion on the way).
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace mapedit
