#pragma once

#include <optional>
#include <string>

namespace mapedit {

// The whole content of a file, or nothing with `error` set to a sentence
// that names the file and the reason.
std::optional<std::string> readWholeFile(const std::string& path, std::string& error);

// The file name part of a path, as a file dialog reports it.
std::string fileNameOf(const std::string& path);

}  // namespace mapedit
