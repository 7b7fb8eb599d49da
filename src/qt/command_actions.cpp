#include "qt/command_actions.h"

namespace mapedit {

namespace {
QAction* find(const std::map<int, QAction*>& actions, int id) {
    const auto it = actions.find(id);
    return it == actions.end() ? nullptr : it->second;
}
}  // namespace

QAction* CommandActions::menuAction(int id) const {
    return find(menu, id);
}

QAction* CommandActions::toolAction(int id) const {
    return find(tools, id);
}

}  // namespace mapedit
