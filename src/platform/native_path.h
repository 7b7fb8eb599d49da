#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mapedit {

// A path the program holds as UTF-8 bytes, as the file system takes it: the
// same bytes on POSIX, UTF-16 on Windows. Empty when the bytes are not
// UTF-8 that the platform can convert.
std::optional<std::filesystem::path> nativePath(std::string_view utf8);

// A file system path as UTF-8 bytes again.
std::string utf8Path(const std::filesystem::path& path);

// std::fopen for a UTF-8 path; null with errno set when it cannot open.
std::FILE* openFile(std::string_view utf8, const char* mode);

}  // namespace mapedit
