#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace mapedit {

// A path the program holds as UTF-8 bytes, as the file system takes it: the
// same bytes on POSIX, UTF-16 on Windows. Empty when the bytes are not
// UTF-8 that the platform can convert.
std::optional<std::filesystem::path> nativePath(std::string_view utf8);

}  // namespace mapedit
