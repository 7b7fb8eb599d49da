#include "win32/level_list.h"

namespace mapedit {

namespace {

bool editableAt(std::span<const LevelChoice> levels, int index) {
    return index >= 0 && index < static_cast<int>(levels.size()) &&
           levels[static_cast<std::size_t>(index)].editable;
}

}  // namespace

int firstEditableLevel(std::span<const LevelChoice> levels) {
    for (int i = 0; i < static_cast<int>(levels.size()); ++i) {
        if (editableAt(levels, i)) return i;
    }
    return -1;
}

int settledLevel(std::span<const LevelChoice> levels, int previous, int wanted, bool clicked) {
    if (editableAt(levels, wanted)) return wanted;
    const int count = static_cast<int>(levels.size());
    if (clicked || wanted < 0 || wanted >= count)
        return editableAt(levels, previous) ? previous : -1;
    const int onward = previous < 0 || wanted > previous ? 1 : -1;
    for (int i = wanted + onward; i >= 0 && i < count; i += onward) {
        if (editableAt(levels, i)) return i;
    }
    for (int i = wanted - onward; i >= 0 && i < count; i -= onward) {
        if (editableAt(levels, i)) return i;
    }
    return -1;
}

}  // namespace mapedit
