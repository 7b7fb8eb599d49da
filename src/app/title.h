#pragma once

#include <string>
#include <string_view>

namespace mapedit {

inline constexpr const char* kProgramName = "Morvath Map Construction Helper";

// The main window's title for a file name: at most 73 characters of the
// name, " - ", the program name cut to keep the title under 76 characters,
// and "..." when it was cut. Without a file the title is the program name.
std::string windowTitle(std::string_view fileTitle);

}  // namespace mapedit
