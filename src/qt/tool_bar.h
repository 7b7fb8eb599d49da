#pragma once

#include <QMainWindow>
#include <QToolBar>

#include "qt/command_actions.h"

namespace mapedit {

// Adds the toolbar above the client area: the nine tool buttons in one
// exclusive group, each with its image at the zoom and its name as the
// tooltip. No button is down yet; nothing is connected.
QToolBar& buildToolBar(QMainWindow& window, int zoom, CommandActions& actions);

}  // namespace mapedit
