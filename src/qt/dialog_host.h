#pragma once

#include <QWidget>

#include "platform/shell.h"

namespace mapedit {

// Builds a modal dialog owned by `owner` from the dialog's template, runs
// its procedure on the controls (initialisation, the reactions to what the
// user clicks and chooses, OK) and answers how it ended. Escape and the
// close box end it as Cancel.
DialogResult runPropertyDialog(QWidget& owner, PropertyDialog& dialog);

}  // namespace mapedit
