#include "platform/native_path.h"

#include <exception>
#include <string>

namespace mapedit {

std::optional<std::filesystem::path> nativePath(std::string_view utf8) {
    // From char8_t the library converts to the native encoding; Windows
    // refuses malformed UTF-8 with an exception, which stays here.
    try {
        return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace mapedit
