#pragma once

#include <optional>
#include <string_view>

namespace mapedit::cli {

// Edit scripts may name a command instead of giving its id.

// The command of the menu entry at `path`, the texts of the popups down to
// it and its own, joined by ">" ("Region>Stair>up"). A text is named as the
// menu shows it, without its mnemonic mark ("File>Save as...", not "Save
// as...(&A)"); case and blanks around ">" do not matter. Nothing for a path
// that ends at a popup or leads nowhere.
std::optional<int> menuCommandNamed(std::string_view path);

// The command of the toolbar button with the name (its tooltip, "Filled
// rectangle"), in any case.
std::optional<int> toolCommandNamed(std::string_view name);

}  // namespace mapedit::cli
