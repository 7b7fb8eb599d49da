#pragma once

#include <string>
#include <string_view>

#include "model/result.h"

namespace mapedit {

// The whole content of a file, or a sentence that names the file and the
// reason it could not be read.
Result<std::string> readWholeFile(const std::string& path);

// Replaces the file at `path` with `text`: the text goes to a temporary file
// in the same directory, which is renamed over the target only once it is
// complete, so a failed save never leaves a damaged or emptied file. A
// symbolic link is written through and stays a link; a device or a pipe
// is written to as it is. A failure says, in a sentence, which file and why.
Status writeFileAtomically(const std::string& path, std::string_view text);

// The directory part of a path; "." for a bare file name.
std::string directoryOf(const std::string& path);

// The file name part of a path, as a file dialog reports it; both slashes
// and backslashes separate.
std::string fileNameOf(const std::string& path);

}  // namespace mapedit
