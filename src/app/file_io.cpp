#include "app/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace mapedit {

std::optional<std::string> readWholeFile(const std::string& path, std::string& error) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        error = "Cannot open " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, n);
    if (std::ferror(file.get())) {
        error = "Cannot read " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    return text;
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace mapedit
