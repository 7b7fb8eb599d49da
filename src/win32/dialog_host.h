#pragma once

#include <windows.h>

#include "platform/shell.h"

namespace mapedit {

// Builds a modal dialog owned by `owner` from the dialog's template, its
// font following the editor's zoom, runs its procedure on the controls
// (initialisation, the reactions to what the user clicks and chooses, OK)
// and answers how it ended. Escape and the close box end it as Cancel.
DialogResult runPropertyDialog(HWND owner, PropertyDialog& dialog, int zoom);

}  // namespace mapedit
