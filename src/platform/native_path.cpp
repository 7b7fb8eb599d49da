#include "platform/native_path.h"

#include <cerrno>
#include <exception>

namespace mapedit {

std::optional<std::filesystem::path> nativePath(std::string_view utf8) {
#ifdef _WIN32
    // From char8_t the library converts to UTF-16; it refuses malformed
    // UTF-8 with an exception, which stays here.
    try {
        return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    } catch (const std::exception&) {
        return std::nullopt;
    }
#else
    // POSIX names are bytes: those that are not UTF-8 still name a file.
    return std::filesystem::path(std::string(utf8));
#endif
}

std::string utf8Path(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::u8string bytes = path.u8string();
    return std::string(bytes.begin(), bytes.end());
#else
    return path.string();
#endif
}

std::FILE* openFile(std::string_view utf8, const char* mode) {
    const auto path = nativePath(utf8);
    if (!path) {
        errno = EINVAL;
        return nullptr;
    }
#ifdef _WIN32
    // The narrow fopen would read the name in the ANSI code page.
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path->c_str(), wideMode.c_str());
#else
    return std::fopen(path->c_str(), mode);
#endif
}

}  // namespace mapedit
