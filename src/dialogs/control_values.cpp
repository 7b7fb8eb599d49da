#include "dialogs/control_values.h"

#include <climits>

#include "model/ascii_case.h"

namespace mapedit {

void checkChoice(DialogControls& controls, std::span<const int> ids, int value) {
    checkOneOf(controls, ids, value > 0 && value < static_cast<int>(ids.size()) ? value : 0);
}

void checkOneOf(DialogControls& controls, std::span<const int> ids, int index) {
    if (index >= 0 && index < static_cast<int>(ids.size())) {
        controls.setChecked(ids[static_cast<std::size_t>(index)], true);
    }
}

int checkedIndex(const DialogControls& controls, std::span<const int> ids, int otherwise) {
    int found = otherwise;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (controls.isChecked(ids[i])) found = static_cast<int>(i);
    }
    return found;
}

void showChance(DialogControls& controls, int id, std::int32_t& chance) {
    if (chance == 0) chance = 100;
    controls.setText(id, decimalText(chance));
}

int findExactEntry(const DialogControls& controls, int id, std::string_view text) {
    const int count = controls.entryCount(id);
    for (int i = 0; i < count; ++i) {
        if (equalsIgnoringAsciiCase(controls.entryText(id, i), text)) return i;
    }
    return -1;
}

std::string selectedText(const DialogControls& controls, int id) {
    return controls.entryText(id, controls.selection(id));
}

int decimalValue(std::string_view text) {
    text = text.substr(0, 255);
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value >= limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

std::string decimalText(int value) {
    return std::to_string(value);
}

std::string quotableText(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c != '"' && byte >= 0x20 && byte != 0x7F) kept.push_back(c);
    }
    return kept;
}

}  // namespace mapedit
