#include "platform/headless_dialog.h"

#include <algorithm>

#include <fmt/format.h>

namespace mapedit {

namespace {

bool isRecorded(ControlKind kind) {
    return kind == ControlKind::Radio || kind == ControlKind::CheckBox ||
           kind == ControlKind::Edit || kind == ControlKind::DropDown;
}

}  // namespace

HeadlessDialog::HeadlessDialog(PropertyDialog& dialog) : dialog_(dialog) {
    for (const ControlTemplate& look : dialog.dialogTemplate().controls) {
        Control c;
        c.look = &look;
        c.enabled = !look.has(kDisabled);
        controls_.push_back(std::move(c));
    }
    dialog_.initialise(*this);
}

HeadlessDialog::Control* HeadlessDialog::find(int id, const char* call) {
    const auto& self = *this;
    return const_cast<Control*>(self.find(id, call));
}

const HeadlessDialog::Control* HeadlessDialog::find(int id, const char* call) const {
    if (id != kNoControlId) {
        for (const Control& c : controls_) {
            if (c.look->id == id) return &c;
        }
    }
    if (call != nullptr) strayCalls_.push_back(fmt::format("{} {}", call, id));
    return nullptr;
}

// Why the user cannot work that control, or "" when they can.
std::string HeadlessDialog::refusal(int id, std::initializer_list<ControlKind> kinds) const {
    const Control* c = find(id, nullptr);
    if (c == nullptr) return "no such control";
    if (std::find(kinds.begin(), kinds.end(), c->look->kind) == kinds.end()) {
        return "not a control of that kind";
    }
    if (!c->enabled) return "disabled";
    return {};
}

// Automatic radio buttons: a group runs from a control that starts one to
// the next control that does.
void HeadlessDialog::uncheckGroupOf(const Control& radio) {
    const auto at = static_cast<std::size_t>(&radio - controls_.data());
    std::size_t first = at;
    while (first > 0 && !controls_[first].look->has(kGroupStart)) --first;
    std::size_t end = at + 1;
    while (end < controls_.size() && !controls_[end].look->has(kGroupStart)) ++end;
    for (std::size_t i = first; i < end; ++i) {
        if (i != at && controls_[i].look->kind == ControlKind::Radio) controls_[i].checked = false;
    }
}

std::string HeadlessDialog::click(int id) {
    std::string why = refusal(id, {ControlKind::Radio, ControlKind::CheckBox});
    if (!why.empty()) return why;
    Control& c = *find(id, nullptr);
    if (c.look->kind == ControlKind::Radio) {
        setChecked(id, true);
    } else {
        c.checked = !c.checked;
    }
    dialog_.controlChanged(*this, id);
    return {};
}

std::string HeadlessDialog::type(int id, std::string_view text) {
    std::string why = refusal(id, {ControlKind::Edit});
    if (why.empty()) setText(id, text);
    return why;
}

std::string HeadlessDialog::choose(int id, std::string_view entry) {
    std::string why = refusal(id, {ControlKind::DropDown});
    if (!why.empty()) return why;
    const std::vector<std::string>& entries = find(id, nullptr)->entries;
    const auto it = std::find(entries.begin(), entries.end(), entry);
    if (it == entries.end()) return "no such entry";
    return choose(id, static_cast<int>(it - entries.begin()));
}

std::string HeadlessDialog::choose(int id, int index) {
    std::string why = refusal(id, {ControlKind::DropDown});
    if (!why.empty()) return why;
    if (index < 0 || index >= entryCount(id)) return "no such entry";
    select(id, index);
    dialog_.controlChanged(*this, id);
    return {};
}

DialogResult HeadlessDialog::ok() {
    dialog_.accept(*this);
    return DialogResult::Ok;
}

std::vector<std::string> HeadlessDialog::stateLines() const {
    std::vector<std::string> lines;
    for (const Control& c : controls_) {
        if (!isRecorded(c.look->kind)) continue;
        const int id = c.look->id;
        const char* onOff = c.checked ? "on" : "off";
        std::string line;
        switch (c.look->kind) {
            case ControlKind::Radio:
                line = fmt::format("  {} radio {}", id, onOff);
                break;
            case ControlKind::CheckBox:
                line = fmt::format("  {} check {}", id, onOff);
                break;
            case ControlKind::Edit:
                line = fmt::format("  {} edit \"{}\"", id, c.text);
                break;
            case ControlKind::DropDown:
                line = fmt::format("  {} list {} \"{}\" of {}", id, c.selected,
                                   entryText(id, c.selected), c.entries.size());
                break;
            default:
                break;
        }
        if (!c.enabled) line += " disabled";
        lines.push_back(std::move(line));
    }
    return lines;
}

int HeadlessDialog::dropDownRows(int id) const {
    const Control* c = find(id, "dropDownRows");
    return c != nullptr ? c->rows : 0;
}

void HeadlessDialog::setChecked(int id, bool checked) {
    Control* c = find(id, "setChecked");
    if (c == nullptr) return;
    c->checked = checked;
    if (checked && c->look->kind == ControlKind::Radio) uncheckGroupOf(*c);
}

bool HeadlessDialog::isChecked(int id) const {
    const Control* c = find(id, "isChecked");
    return c != nullptr && c->checked;
}

void HeadlessDialog::setText(int id, std::string_view text) {
    if (Control* c = find(id, "setText")) c->text = text;
}

std::string HeadlessDialog::text(int id) const {
    const Control* c = find(id, "text");
    return c != nullptr ? c->text : std::string();
}

void HeadlessDialog::clearList(int id) {
    if (Control* c = find(id, "clearList")) {
        c->entries.clear();
        c->selected = -1;
    }
}

void HeadlessDialog::addEntry(int id, std::string_view text) {
    if (Control* c = find(id, "addEntry")) c->entries.emplace_back(text);
}

int HeadlessDialog::entryCount(int id) const {
    const Control* c = find(id, "entryCount");
    return c != nullptr ? static_cast<int>(c->entries.size()) : 0;
}

std::string HeadlessDialog::entryText(int id, int index) const {
    const Control* c = find(id, "entryText");
    if (c == nullptr || index < 0 || index >= static_cast<int>(c->entries.size())) return {};
    return c->entries[static_cast<std::size_t>(index)];
}

void HeadlessDialog::select(int id, int index) {
    Control* c = find(id, "select");
    if (c == nullptr) return;
    const bool inList = index >= 0 && index < static_cast<int>(c->entries.size());
    c->selected = inList ? index : -1;
}

int HeadlessDialog::selection(int id) const {
    const Control* c = find(id, "selection");
    return c != nullptr ? c->selected : -1;
}

void HeadlessDialog::setDropDownRows(int id, int rows) {
    if (Control* c = find(id, "setDropDownRows")) c->rows = rows;
}

void HeadlessDialog::setEnabled(int id, bool enabled) {
    if (Control* c = find(id, "setEnabled")) c->enabled = enabled;
}

}  // namespace mapedit
