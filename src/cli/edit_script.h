#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mapedit::cli {

// One line of an edit script, parsed. The player runs them in order.
enum class StepKind {
    // Input, as the window receives it.
    Down,
    Up,
    Drag,
    Move,
    Click,
    Double,
    Right,
    Key,
    Menu,
    Tool,
    Command,
    Close,  // the window's close box
    // Answers, queued for the next request of their kind.
    AnswerOpen,
    AnswerSave,
    AnswerDialog,
    AnswerMessage,
    AnswerLevel,
    // Looking: these change nothing.
    Write,
    Render,
    Pixel,
    Cell,
    State,
    Areas,
    Parts,
    Template,
    Changes,
};

struct ScriptPoint {
    int x = 0, y = 0;  // client pixels
};

struct DialogAction {
    enum class Kind { Click, Text, Choose, ChooseIndex };
    Kind kind = Kind::Click;
    int control = 0;
    std::string text;  // Text and Choose
    int index = 0;     // ChooseIndex
};

// `answer dialog ID: ACTION; ...; ok|cancel|close`
struct DialogAnswer {
    enum class End { Ok, Cancel, Close };
    int id = 0;
    std::vector<DialogAction> actions;
    End end = End::Cancel;
};

struct Step {
    StepKind kind = StepKind::State;
    ScriptPoint point;                // mouse steps; Pixel and Cell keep their numbers here
    int id = 0;                       // Menu, Tool, Command
    std::string word;                 // Key name, Template kind, Message answer
    std::optional<std::string> path;  // answers (nothing = cancel; a level's name or
                                      // position), Write ("-" = log), Render
    DialogAnswer dialog;
};

// What one line holds: a step, nothing (blank or comment), or an error
// saying why the line cannot be read. `open PATH [--level L]` gives two
// steps, or three.
struct ParsedLine {
    std::vector<Step> steps;
    std::string error;
};
ParsedLine parseScriptLine(std::string_view line);

// Splits a line into words at blanks; a double-quoted text is one word
// (without its quotes). False when a quote is not closed.
bool splitWords(std::string_view line, std::vector<std::string>& words);

}  // namespace mapedit::cli
