#include "app/title.h"

namespace mapedit {

std::string windowTitle(std::string_view fileTitle) {
    if (fileTitle.empty()) return kProgramName;
    constexpr std::size_t kMaxName = 73;
    constexpr std::size_t kMaxTitle = 76;
    std::string title(fileTitle.substr(0, kMaxName));
    title += " - ";
    const std::string_view program = kProgramName;
    std::size_t i = 0;
    while (i < program.size() && title.size() < kMaxTitle) title += program[i++];
    if (i < program.size()) title += "...";
    return title;
}

}  // namespace mapedit
