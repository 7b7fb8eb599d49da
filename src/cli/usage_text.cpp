#include <algorithm>
#include <string_view>

#include "cli/command_line.h"
#include "cli/subcommands.h"

namespace mapedit::cli {

namespace {

constexpr std::size_t kSummaryColumn = 27;

// "  SYNOPSIS   summary line", the synopsis on a line of its own when it
// leaves no room; further summary lines start in the summary column.
std::string commandEntry(const Subcommand& s) {
    std::string entry = "  " + std::string(s.synopsis);
    std::size_t column = entry.size();
    if (column + 2 > kSummaryColumn) {
        entry += "\n";
        column = 0;
    }
    std::string_view rest = s.summary;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        entry.append(kSummaryColumn - column, ' ').append(rest.substr(0, end)).append("\n");
        column = 0;
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return entry;
}

}  // namespace

std::string usageText() {
    std::string text =
        "Usage: mapedit-cli COMMAND [OPTIONS] FILE...\n"
        "\n"
        "Commands:\n";
    for (const Subcommand& s : subcommands()) text += commandEntry(s);
    return text +
           "\n"
           "Options:\n"
           "  --seed N                 fix the random generator (reproducible output)\n"
           "  --variant NAME           vanilla (default), tavrel or orvandel\n"
           "  --level NAME|N           the level to open of a file holding several, by\n"
           "                           name or position from 1 (rewrite, render)\n"
           "  -h, --help               show this help\n"
           "\n"
           "Exit status: 0 success, 1 a file failed, 2 usage error.\n";
}

}  // namespace mapedit::cli
