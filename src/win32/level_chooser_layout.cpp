#include "win32/level_chooser_layout.h"

#include <algorithm>

namespace mapedit {

LevelChooserLayout levelChooserLayout(const LevelChooserSizes& s) {
    constexpr int kMostRows = 10;
    constexpr int kListFrame = 4;  // the sunken edge on both sides
    const PixelRect margin = dialogRect(s.units, 0, 0, 7, 7);
    const PixelRect gap = dialogRect(s.units, 0, 0, 4, 4);
    const PixelRect button = dialogRect(s.units, 0, 0, 50, 14);
    const int buttonWidth = std::max(button.width, s.buttonTextWidth);
    const int rows = std::clamp(s.entries, 1, kMostRows);
    const int listWidth = s.widestEntry + s.scrollBarWidth + kListFrame + 2 * gap.width;
    const int content = std::max({s.questionWidth, listWidth, 2 * buttonWidth + gap.width});

    LevelChooserLayout l;
    l.question = {margin.width, margin.height, content, s.rowHeight};
    const int listTop = l.question.y + l.question.height + gap.height;
    l.list = {margin.width, listTop, content, rows * s.rowHeight + kListFrame};
    const int buttonTop = l.list.y + l.list.height + margin.height;
    const int right = margin.width + content;
    l.cancel = {right - buttonWidth, buttonTop, buttonWidth, button.height};
    l.ok = {l.cancel.x - gap.width - buttonWidth, buttonTop, buttonWidth, button.height};
    l.width = right + margin.width;
    l.height = buttonTop + button.height + margin.height;
    return l;
}

}  // namespace mapedit
