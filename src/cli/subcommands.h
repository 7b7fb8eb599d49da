#pragma once

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/options.h"

namespace CLI {
class App;
}

namespace mapedit::cli {

// One subcommand of mapedit-cli: its arguments, its line in the usage text
// and what runs it. A new subcommand is one more entry in the table.
struct Subcommand {
    std::string_view name;
    std::string_view synopsis;  // as the usage text shows it
    std::string_view summary;   // one or more lines for the usage text
    // Declares the subcommand's options and operands, bound to `o`.
    void (*declare)(CLI::App& command, Options& o);
    // What keeps a parsed command line from running, worded for the user.
    std::optional<std::string> (*shapeError)(const Options& o);
    // The exit status: 0 success, 1 a file failed.
    int (*run)(const Options& o, std::FILE* out, std::FILE* err);
};

std::span<const Subcommand> subcommands();

}  // namespace mapedit::cli
