#include "cli/dialog_actions.h"

#include <fmt/format.h>

namespace mapedit::cli {

std::string apply(HeadlessDialog& dialog, const DialogAction& action) {
    switch (action.kind) {
        case DialogAction::Kind::Click:
            return dialog.click(action.control);
        case DialogAction::Kind::Text:
            return dialog.type(action.control, action.text);
        case DialogAction::Kind::Choose:
            return dialog.choose(action.control, action.text);
        case DialogAction::Kind::ChooseIndex:
            break;
    }
    return dialog.choose(action.control, action.index);
}

std::string describe(const DialogAction& action) {
    switch (action.kind) {
        case DialogAction::Kind::Click:
            return fmt::format("click {}", action.control);
        case DialogAction::Kind::Text:
            return fmt::format("text {} \"{}\"", action.control, action.text);
        case DialogAction::Kind::Choose:
            return fmt::format("choose {} \"{}\"", action.control, action.text);
        case DialogAction::Kind::ChooseIndex:
            break;
    }
    return fmt::format("choose {} #{}", action.control, action.index);
}

}  // namespace mapedit::cli
