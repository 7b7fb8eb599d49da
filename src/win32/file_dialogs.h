#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/shell.h"

namespace mapedit {

// The common Open and Save dialogs with the request's title, types and
// name; the path comes back as UTF-8. Save asks before replacing a file
// and gives a name typed without an extension the chosen type's.
std::optional<ChosenFile> askOpenFile(HWND owner, const FileDialogRequest& request);
std::optional<ChosenFile> askSaveFile(HWND owner, const FileDialogRequest& request);

// The type list as the common dialogs take it: for each type its shown
// name and its pattern, each ended by a NUL, and a NUL after the last.
std::wstring filterList(const FileDialogRequest& request);

}  // namespace mapedit
