#pragma once

#include <QWidget>

#include "platform/shell.h"

namespace mapedit {

inline constexpr const char* kAboutText = "Morvath Map Construction Helper  v0.02";

// The About box: the program icon, name and version, and OK. Escape and
// the close box end it as Cancel. Built by hand, at the places its layout
// gives in dialog units, until dialogs are built from their templates.
DialogResult runAboutBox(QWidget& owner);

}  // namespace mapedit
