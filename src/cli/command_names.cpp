#include "cli/command_names.h"

#include <span>
#include <string>

#include "model/ascii_case.h"
#include "resources/menu.h"
#include "resources/toolbar.h"

namespace mapedit::cli {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// "Open...(&O)" is "Open...", "&Open" is "Open".
std::string withoutMnemonic(std::string_view text) {
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "(&" && i + 3 < text.size() && text[i + 3] == ')') {
            i += 3;
        } else if (text[i] != '&') {
            name.push_back(text[i]);
        }
    }
    return name;
}

const MenuEntry* entryNamed(std::span<const MenuEntry> entries, std::string_view name) {
    for (const MenuEntry& e : entries) {
        if (e.kind != MenuEntryKind::Separator &&
            equalsIgnoringAsciiCase(withoutMnemonic(e.text), name)) {
            return &e;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<int> menuCommandNamed(std::string_view path) {
    std::span<const MenuEntry> entries = mainMenu();
    for (;;) {
        const auto cut = path.find('>');
        const MenuEntry* entry = entryNamed(entries, trimmed(path.substr(0, cut)));
        if (entry == nullptr) return std::nullopt;
        if (cut == std::string_view::npos) {
            if (entry->kind != MenuEntryKind::Command) return std::nullopt;
            return entry->id;
        }
        if (entry->kind != MenuEntryKind::Popup) return std::nullopt;
        entries = entry->entries;
        path.remove_prefix(cut + 1);
    }
}

std::optional<int> toolCommandNamed(std::string_view name) {
    for (const ToolButton& b : toolbarButtons()) {
        if (equalsIgnoringAsciiCase(b.name, trimmed(name))) return b.id;
    }
    return std::nullopt;
}

}  // namespace mapedit::cli
