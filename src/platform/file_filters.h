#pragma once

#include <string>

#include "platform/shell.h"

namespace mapedit {

// The text a file dialog shows for a type: its name with its pattern in
// parentheses after it, unless the name ends so already.
std::string filterEntryName(const FileFilter& filter);

// The extension a file dialog adds to a name typed without one while the
// type at `filterIndex` (from 0) is chosen: that type's, or the request's
// default when the type stands for any extension.
std::string defaultSuffix(const FileDialogRequest& request, int filterIndex);

}  // namespace mapedit
