#include "cli/subcommands.h"

#include "cli/arguments.h"
#include "cli/commands.h"

namespace mapedit::cli {

namespace {

std::optional<std::string> someLevelFile(const Options& o) {
    if (o.files.empty()) return "no level file given";
    return std::nullopt;
}

std::optional<std::string> oneLevelFile(const Options& o) {
    if (o.files.size() > 1) return "only one level file may be given";
    return someLevelFile(o);
}

std::optional<std::string> oneLevelFileAndPng(const Options& o) {
    if (auto error = oneLevelFile(o)) return error;
    if (o.output.empty()) return "render needs -o OUT.png";
    return std::nullopt;
}

void declareCheck(CLI::App& command, Options& o) {
    addLevelFiles(command, o);
    addSeed(command, o);
    addVariant(command, o);
}

void declareRewrite(CLI::App& command, Options& o) {
    declareCheck(command, o);
    addOutput(command, o);
}

void declareRewriteWithPlain(CLI::App& command, Options& o) {
    declareRewrite(command, o);
    addLevel(command, o);
    addPlain(command, o);
    addLayout(command, o);
}

std::optional<std::string> oneScript(const Options& o) {
    if (o.files.empty()) return "no edit script given";
    if (o.files.size() > 1) return "only one edit script may be given";
    return std::nullopt;
}

void declareRender(CLI::App& command, Options& o) {
    declareRewrite(command, o);
    addLevel(command, o);
    addZoom(command, o);
}

int render(const Options& o, std::FILE*, std::FILE* err) {
    return runRender(o, err);
}

constexpr Subcommand kSubcommands[] = {
    {"check", "check FILE...",
     "read each level description; print FILE: REPORT\n"
     "for each one that fails (exit 1 when any failed);\n"
     "in a file of several levels, FILE:LEVEL: REPORT",
     declareCheck, someLevelFile, runCheck},
    {"rewrite", "rewrite FILE [-o OUT] [--layout kept|fixed] [--plain] [--level L]",
     "write what the editor's Save writes right after\n"
     "opening FILE (to standard output without -o);\n"
     "--layout fixed: the writer's own layout instead\n"
     "of the file's text; --plain: the reader's model\n"
     "straight back, in the writer's layout",
     declareRewriteWithPlain, oneLevelFile, runRewrite},
    {"render", "render FILE -o OUT.png [--zoom N] [--level L]",
     "open FILE as the editor does and save the\n"
     "painted window area (810 x 450 times N) as PNG",
     declareRender, oneLevelFileAndPng, render},
    {"play", "play SCRIPT [-o LOG]",
     "run an edit script on the editor without a\n"
     "window and print the log of what it shows",
     declareRewrite, oneScript, runPlayCommand},
};

}  // namespace

std::span<const Subcommand> subcommands() {
    return kSubcommands;
}

}  // namespace mapedit::cli
