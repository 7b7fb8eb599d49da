#pragma once

#include <string>

#include "cli/options.h"

namespace CLI {
class App;
}

namespace mapedit::cli {

// Each declares one argument on a subcommand's parser, bound to its field of
// Options. A value is checked as soon as it is met, so the first bad one on
// the command line is the one reported, in words of our own.
void addLevelFiles(CLI::App& command, Options& o);
void addOutput(CLI::App& command, Options& o);
void addZoom(CLI::App& command, Options& o);
void addSeed(CLI::App& command, Options& o);
void addVariant(CLI::App& command, Options& o);
void addPlain(CLI::App& command, Options& o);
// --layout kept|fixed: the file's own text where the level did not change,
// or the writer's fixed layout throughout.
void addLayout(CLI::App& command, Options& o);
void addLevel(CLI::App& command, Options& o);

// -h, --help: the usage text, unless a bad value came before it.
void addHelp(CLI::App& command);

// Ends parsing with a usage error worded `message`, as CLI11 passes it on.
[[noreturn]] void usageError(const std::string& message);

}  // namespace mapedit::cli
