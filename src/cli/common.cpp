#include "cli/common.h"

#include "app/file_io.h"

namespace mapedit::cli {

std::optional<std::string> loadOrReport(const std::string& path, std::FILE* err) {
    std::string error;
    auto text = readWholeFile(path, error);
    if (!text) std::fprintf(err, "mapedit-cli: %s\n", error.c_str());
    return text;
}

}  // namespace mapedit::cli
