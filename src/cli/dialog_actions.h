#pragma once

#include <string>

#include "cli/edit_script.h"
#include "platform/headless_dialog.h"

namespace mapedit::cli {

// Gives the user's input to the open dialog; returns why it could not be
// given, or "".
std::string apply(HeadlessDialog& dialog, const DialogAction& action);
// The action as the script writes it: `click 1018`, `choose 1059 "D"`.
std::string describe(const DialogAction& action);

}  // namespace mapedit::cli
