#include "cli/edit_script.h"

#include <array>
#include <utility>

#include "cli/command_names.h"
#include "platform/headless_shell.h"
#include "platform/whole_number.h"
#include "view/map_view.h"

namespace mapedit::cli {

namespace {

using Words = std::vector<std::string>;

bool toInt(std::string_view text, int& out) {
    const std::optional<int> number = wholeNumber<int>(text);
    if (number) out = *number;
    return number.has_value();
}

Step stepOf(StepKind kind, std::string word = {}) {
    Step step;
    step.kind = kind;
    step.word = std::move(word);
    return step;
}

ParsedLine fail(std::string message) {
    return {{}, std::move(message)};
}
ParsedLine one(Step step) {
    return {{std::move(step)}, {}};
}

// A point is `X Y` in pixels or `@CX,CY`, the centre of a cell.
bool readPoint(const Words& w, std::size_t at, ScriptPoint& p, std::size_t& used) {
    if (at < w.size() && !w[at].empty() && w[at][0] == '@') {
        const std::string_view cell = std::string_view(w[at]).substr(1);
        const auto comma = cell.find(',');
        int cx = 0, cy = 0;
        if (comma == std::string_view::npos || !toInt(cell.substr(0, comma), cx) ||
            !toInt(cell.substr(comma + 1), cy)) {
            return false;
        }
        p = {cellCentreX(cx), cellCentreY(cy)};
        used = 1;
        return true;
    }
    used = 2;
    return at + 1 < w.size() && toInt(w[at], p.x) && toInt(w[at + 1], p.y);
}

struct MouseWord {
    std::string_view word;
    StepKind kind;
};
constexpr std::array<MouseWord, 7> kMouseWords = {{{"down", StepKind::Down},
                                                   {"up", StepKind::Up},
                                                   {"drag", StepKind::Drag},
                                                   {"move", StepKind::Move},
                                                   {"click", StepKind::Click},
                                                   {"double", StepKind::Double},
                                                   {"right", StepKind::Right}}};

bool isKeyName(std::string_view key) {
    if (key == "escape" || key == "delete") return true;
    return key.size() == 6 && key.substr(0, 5) == "ctrl+" && key[5] >= 'a' && key[5] <= 'z';
}

ParsedLine parseMouse(StepKind kind, const Words& w) {
    Step step = stepOf(kind);
    std::size_t used = 0;
    if (!readPoint(w, 1, step.point, used)) return fail("expected a point: X Y or @CX,CY");
    if (1 + used != w.size()) return fail("unexpected words after the point");
    return one(std::move(step));
}

// The words after the verb, one blank between each: a name in a script
// needs no quotes.
std::string nameAfterVerb(const Words& w) {
    std::string name;
    for (std::size_t i = 1; i < w.size(); ++i) {
        if (i > 1) name += ' ';
        name += w[i];
    }
    return name;
}

// `menu ID|PATH` and `command ID|PATH`: a command id, or the menu entry at
// the path of texts ("Region>Stair>up").
ParsedLine parseCommand(StepKind kind, const Words& w) {
    Step step = stepOf(kind);
    if (w.size() < 2) return fail("expected a command id or a menu path such as Region>Stair>up");
    if (w.size() == 2 && toInt(w[1], step.id)) return one(std::move(step));
    const std::string path = nameAfterVerb(w);
    const std::optional<int> id = menuCommandNamed(path);
    if (!id) return fail("no menu entry `" + path + "`");
    step.id = *id;
    return one(std::move(step));
}

// `tool ID|NAME`: a toolbar button by its command id or its name.
ParsedLine parseTool(const Words& w) {
    Step step = stepOf(StepKind::Tool);
    if (w.size() < 2) return fail("expected a toolbar button's id or name");
    if (w.size() == 2 && toInt(w[1], step.id)) return one(std::move(step));
    const std::string name = nameAfterVerb(w);
    const std::optional<int> id = toolCommandNamed(name);
    if (!id) return fail("no toolbar button `" + name + "`");
    step.id = *id;
    return one(std::move(step));
}

// `PATH` or `cancel` as the only argument.
ParsedLine parsePathAnswer(StepKind kind, const Words& w, std::size_t at) {
    if (w.size() != at + 1) return fail("expected a path or cancel");
    Step step = stepOf(kind);
    if (w[at] != "cancel") step.path = w[at];
    return one(std::move(step));
}

// `PATH [type N]` or `cancel`: N counts the save dialog's file types from 1.
ParsedLine parseSaveAnswer(const Words& w) {
    if (w.size() != 5 || w[3] != "type") return parsePathAnswer(StepKind::AnswerSave, w, 2);
    Step step = stepOf(StepKind::AnswerSave);
    step.path = w[2];
    const auto type = wholeNumber<int>(w[4], 1, 9);
    if (!type) return fail("expected `answer save PATH type N` with N from 1 to 9");
    step.id = *type - 1;
    return one(std::move(step));
}

bool parseAction(std::string_view text, DialogAction& action) {
    Words w;
    if (!splitWords(text, w) || w.size() < 2 || !toInt(w[1], action.control)) return false;
    if (w[0] == "click") {
        action.kind = DialogAction::Kind::Click;
        return w.size() == 2;
    }
    if (w.size() != 3) return false;
    if (w[0] == "text") {
        action.kind = DialogAction::Kind::Text;
        action.text = w[2];
        return true;
    }
    if (w[0] != "choose") return false;
    // `#N` chooses by position; any other text by its exact entry text.
    const bool quoted = text.find('"') != std::string_view::npos;
    if (!quoted && w[2].size() > 1 && w[2][0] == '#') {
        action.kind = DialogAction::Kind::ChooseIndex;
        return toInt(std::string_view(w[2]).substr(1), action.index);
    }
    action.kind = DialogAction::Kind::Choose;
    action.text = w[2];
    return true;
}

// Splits at semicolons that are not inside quotes.
std::vector<std::string_view> splitActions(std::string_view text) {
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (text[i] == ';' && !quoted) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// `ID: ACTION; ACTION; ...; ok|cancel|close`, the text after "answer dialog".
ParsedLine parseDialogAnswer(std::string_view rest) {
    const auto colon = rest.find(':');
    Step step = stepOf(StepKind::AnswerDialog);
    if (colon == std::string_view::npos || !toInt(trimmed(rest.substr(0, colon)), step.dialog.id)) {
        return fail("expected `answer dialog ID: ...; ok|cancel|close`");
    }
    const auto parts = splitActions(rest.substr(colon + 1));
    const std::string_view end = trimmed(parts.back());
    if (end == "ok") {
        step.dialog.end = DialogAnswer::End::Ok;
    } else if (end == "cancel") {
        step.dialog.end = DialogAnswer::End::Cancel;
    } else if (end == "close") {
        step.dialog.end = DialogAnswer::End::Close;
    } else {
        return fail("a dialog answer ends with ok, cancel or close");
    }
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        DialogAction action;
        if (!parseAction(trimmed(parts[i]), action)) {
            return fail("cannot read dialog action `" + std::string(trimmed(parts[i])) + "`");
        }
        step.dialog.actions.push_back(std::move(action));
    }
    return one(std::move(step));
}

ParsedLine parseAnswer(const Words& w, std::string_view line) {
    if (w.size() < 2) return fail("answer what? open, save, level, dialog or message");
    if (w[1] == "open") return parsePathAnswer(StepKind::AnswerOpen, w, 2);
    if (w[1] == "save") return parseSaveAnswer(w);
    if (w[1] == "level") {
        if (w.size() != 3) return fail("expected `answer level NAME|N|cancel`");
        return parsePathAnswer(StepKind::AnswerLevel, w, 2);
    }
    if (w[1] == "dialog") {
        const auto at = line.find("dialog");
        return parseDialogAnswer(line.substr(at + 6));
    }
    if (w[1] == "message") {
        if (w.size() == 3 && messageAnswerNamed(w[2])) {
            return one(stepOf(StepKind::AnswerMessage, w[2]));
        }
        return fail("expected `answer message ok|yes|no|cancel`");
    }
    return fail("unknown answer `" + w[1] + "`");
}

// `open PATH [--level NAME|N]`: the answers to the open dialog and to the
// level question, then File > Open.
ParsedLine parseOpen(const Words& w) {
    const bool withLevel = w.size() == 4 && w[2] == "--level";
    if (w.size() != 2 && !withLevel) return fail("expected `open PATH [--level NAME|N]`");
    ParsedLine parsed;
    Step answer = stepOf(StepKind::AnswerOpen);
    answer.path = w[1];
    parsed.steps.push_back(std::move(answer));
    if (withLevel) {
        Step level = stepOf(StepKind::AnswerLevel);
        level.path = w[3];
        parsed.steps.push_back(std::move(level));
    }
    Step menu = stepOf(StepKind::Menu);
    menu.id = 100;
    parsed.steps.push_back(std::move(menu));
    return parsed;
}

ParsedLine parseLook(const Words& w) {
    const std::string& verb = w[0];
    if (verb == "write" || verb == "render") {
        if (w.size() != 2) return fail("expected one path");
        Step step = stepOf(verb == "write" ? StepKind::Write : StepKind::Render);
        step.path = w[1];
        return one(std::move(step));
    }
    if (verb == "pixel" || verb == "cell") {
        Step step = stepOf(verb == "pixel" ? StepKind::Pixel : StepKind::Cell);
        if (w.size() != 3 || !toInt(w[1], step.point.x) || !toInt(w[2], step.point.y)) {
            return fail("expected two numbers");
        }
        return one(std::move(step));
    }
    if (verb == "template") {
        if (w.size() != 2 || (w[1] != "monster" && w[1] != "object" && w[1] != "trap")) {
            return fail("expected `template monster|object|trap`");
        }
        return one(stepOf(StepKind::Template, w[1]));
    }
    const StepKind kind = verb == "state"     ? StepKind::State
                          : verb == "areas"   ? StepKind::Areas
                          : verb == "changes" ? StepKind::Changes
                                              : StepKind::Parts;
    if (w.size() != 1) return fail("`" + verb + "` takes no arguments");
    return one(stepOf(kind));
}

}  // namespace

bool splitWords(std::string_view line, Words& words) {
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            const auto close = line.find('"', i + 1);
            if (close == std::string_view::npos) return false;
            word = line.substr(i + 1, close - i - 1);
            i = close + 1;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') word.push_back(line[i++]);
        }
        words.push_back(std::move(word));
    }
    return true;
}

ParsedLine parseScriptLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view content = trimmed(line);
    if (content.empty() || content[0] == '#') return {};
    Words w;
    if (!splitWords(content, w)) return fail("a quoted text is not closed");
    const std::string& verb = w[0];
    for (const MouseWord& m : kMouseWords) {
        if (verb == m.word) return parseMouse(m.kind, w);
    }
    if (verb == "key") {
        if (w.size() != 2 || !isKeyName(w[1]))
            return fail("expected `key escape|delete|ctrl+LETTER`");
        return one(stepOf(StepKind::Key, w[1]));
    }
    if (verb == "menu") return parseCommand(StepKind::Menu, w);
    if (verb == "tool") return parseTool(w);
    if (verb == "command") return parseCommand(StepKind::Command, w);
    if (verb == "close") {
        if (w.size() != 1) return fail("`close` takes no arguments");
        return one(stepOf(StepKind::Close));
    }
    if (verb == "answer") return parseAnswer(w, content);
    if (verb == "open") return parseOpen(w);
    static constexpr std::array<std::string_view, 9> kLooks = {
        "write", "render", "pixel", "cell", "state", "areas", "parts", "template", "changes"};
    for (std::string_view look : kLooks) {
        if (verb == look) return parseLook(w);
    }
    return fail("unknown verb `" + verb + "`");
}

}  // namespace mapedit::cli
