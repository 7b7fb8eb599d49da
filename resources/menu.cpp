#include "resources/menu.h"

#include <array>

namespace mapedit {

namespace {

using K = MenuEntryKind;
using A = MenuAvailability;
using namespace command;

constexpr MenuEntry separator() {
    return {K::Separator, 0, {}, {}, MenuMark::None, A::Unchanged, {}, false};
}
constexpr MenuEntry item(int id, std::string_view text, std::string_view shortcut = {},
                         A availability = A::Unchanged, MenuMark mark = MenuMark::None) {
    return {K::Command, id, text, shortcut, mark, availability, {}, false};
}
constexpr MenuEntry popup(std::string_view text, std::span<const MenuEntry> entries,
                          bool rightJustified = false) {
    return {K::Popup, 0, text, {}, MenuMark::None, A::Unchanged, entries, rightJustified};
}

constexpr std::array kFileMenu = {
    item(kOpen, "Open...(&O)"),
    item(kSave, "Save", "Ctrl+S"),
    item(kSaveAs, "Save as...(&A)"),
    item(kTest, "Test", {}, A::NeverOffered),
    item(kTest2, "Test2", {}, A::NeverOffered),
    separator(),
    item(kQuit, "Quit(&X)"),
};

constexpr std::array kEditMenu = {
    item(kUndo, "Undo", "Ctrl+Z", A::NeedsUndo),
    item(kRedo, "Redo", "Ctrl+Y", A::NeedsRedo),
    separator(),
    item(kCut, "Cut", "Ctrl+X", A::NeverOffered),
    item(kCopy, "Copy", "Ctrl+C", A::NeverOffered),
    item(kPaste, "Paste", "Ctrl+V", A::NeverOffered),
    separator(),
    item(kDelete, "Delete", "Del", A::NeedsSelection),
};

constexpr std::array kViewMenu = {
    item(kShowRegion, "Show region", "Ctrl+R", A::Unchanged, MenuMark::Check),
    item(kShowMonster, "Show monster", "Ctrl+M", A::Unchanged, MenuMark::Check),
    item(kShowObject, "Show object", "Ctrl+O", A::Unchanged, MenuMark::Check),
};

constexpr std::array kMazeMenu = {
    item(kNewGeometry, "New geometry..."),
    item(kRefreshBackground, "Refresh background"),
    separator(),
    item(kProperty, "Property..."),
};

constexpr std::array kStairMenu = {item(403, "up"), item(404, "down"), item(405, "both"),
                                   item(406, "NG")};
constexpr std::array kTeleportMenu = {item(407, "upper level"), item(408, "lower level"),
                                      item(409, "both"), item(410, "NG")};
constexpr std::array kBranchMenu = {item(411, "OK"), item(412, "NG")};
constexpr std::array kPortalMenu = {item(413, "OK"), item(414, "NG")};

constexpr std::array kRegionMenu = {
    item(kNewRegion, "New region..."),
    item(401, "Non-diggable"),
    item(402, "Non-passable"),
    popup("Stair", kStairMenu),
    popup("Teleport from", kTeleportMenu),
    popup("Branch", kBranchMenu),
    popup("Portal", kPortalMenu, true),
};

constexpr std::array kVariantMenu = {
    item(kFirstVariant, "vanilla", {}, A::Unchanged, MenuMark::Radio),
    item(kFirstVariant + 1, "Tavrel", {}, A::Unchanged, MenuMark::Radio),
    item(kLastVariant, "Orvandel", {}, A::NeverOffered, MenuMark::Radio),
};

constexpr std::array kHelpMenu = {item(kAbout, "About(&A)...")};

constexpr std::array kMenuBar = {
    popup("File(&F)", kFileMenu),       popup("Edit(&E)", kEditMenu),
    popup("View(&V)", kViewMenu),       popup("Maze(&M)", kMazeMenu),
    popup("Region(&R)", kRegionMenu),   popup("Variant(&Z)", kVariantMenu),
    popup("Help(&H)", kHelpMenu, true),
};

constexpr std::array<Accelerator, 9> kAccelerators = {{
    {'X', kCut},
    {'C', kCopy},
    {'V', kPaste},
    {'S', kSave},
    {'R', kShowRegion},
    {'M', kShowMonster},
    {'O', kShowObject},
    {'Z', kUndo},
    {'Y', kRedo},
}};

bool findPath(std::span<const MenuEntry> entries, int id, MenuPath& path) {
    for (const MenuEntry& e : entries) {
        if (e.kind == K::Command && e.id == id) return true;
        if (e.kind != K::Popup || path.depth == 3) continue;
        path.popups[path.depth++] = &e;
        if (findPath(e.entries, id, path)) return true;
        path.popups[--path.depth] = nullptr;
    }
    return false;
}

}  // namespace

std::span<const MenuEntry> mainMenu() {
    return kMenuBar;
}

MenuPath popupsHolding(int id) {
    MenuPath path;
    if (!findPath(kMenuBar, id, path)) return {};
    return path;
}

std::span<const Accelerator> accelerators() {
    return kAccelerators;
}

int acceleratorCommand(char letter) {
    const char upper =
        letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    for (const Accelerator& a : kAccelerators) {
        if (a.letter == upper) return a.id;
    }
    return 0;
}

}  // namespace mapedit
