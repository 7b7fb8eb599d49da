#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <optional>

#include "cli/arguments.h"
#include "cli/common.h"
#include "cli/subcommands.h"

namespace mapedit::cli {

namespace {

// CLI11 leaves what it does not know in `remaining()`, so that the words
// used to complain about it are ours.
void declareParser(CLI::App& app, Options& o) {
    app.allow_extras();
    app.require_subcommand(0, 1);
    addHelp(app);
    app.add_subcommand("help")->group("")->allow_extras();
    for (const Subcommand& s : subcommands()) {
        CLI::App* command = app.add_subcommand(std::string(s.name));
        command->allow_extras();
        addHelp(*command);
        s.declare(*command, o);
    }
}

// The subcommand the parsed command line chose; nothing when it asks for help.
const Subcommand* chosen(const CLI::App& app, const Options& o) {
    const auto unknown = app.remaining();
    if (!unknown.empty()) usageError("unknown command '" + unknown.front() + "'");
    if (app.got_subcommand("help")) return nullptr;
    for (const Subcommand& s : subcommands()) {
        const CLI::App* command = app.get_subcommand(std::string(s.name));
        if (!command->parsed()) continue;
        const auto extras = command->remaining();
        if (!extras.empty()) usageError("unknown option '" + extras.front() + "'");
        if (auto error = s.shapeError(o)) usageError(*error);
        return &s;
    }
    usageError("no command given");
}

const Subcommand* parse(const std::vector<std::string>& args, Options& o) {
    CLI::App app("", "mapedit-cli");
    // Options are --name on every platform; on Windows CLI11 would take
    // /name for one too, and an absolute POSIX path (as Wine hands them
    // over) starts so. Subcommands inherit this from the app.
    app.allow_windows_style_options(false);
    declareParser(app, o);
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // as CLI11 takes them
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return nullptr;
    } catch (const CLI::ArgumentMismatch&) {
        // The arguments ran out before an option's value: the option is the
        // last one (perhaps written --name=).
        const std::string& option = args.back();
        usageError(option.substr(0, option.find('=')) + " needs a value");
    }
    return chosen(app, o);
}

}  // namespace

int runCommandLine(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    Options o;
    const Subcommand* command = nullptr;
    try {
        command = parse(args, o);
    } catch (const CLI::ParseError& e) {
        std::fprintf(err, "mapedit-cli: %s\n\n%s", e.what(), usageText().c_str());
        return kUsageStatus;
    }
    if (!command) {
        std::fputs(usageText().c_str(), out);
        return 0;
    }
    return command->run(o, out, err);
}

}  // namespace mapedit::cli
