#include "win32/start_arguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace mapedit {

namespace {

constexpr char kUsage[] =
    "Usage: mapedit [OPTIONS] [FILE]\n"
    "\n"
    "Opens FILE (a level description) at start-up; without it the editor\n"
    "starts on an all-floor level.\n"
    "\n"
    "Options:\n"
    "  --zoom N          show each pixel as N x N screen pixels (default: the\n"
    "                    monitor's own scale, as large as fits)\n"
    "  --seed N          seed the random generator (default: the clock)\n"
    "  --variant NAME    vanilla (default), tavrel or orvandel\n"
    "  --grab OUT.png    save a picture of the map area once shown, and quit\n"
    "  --screenshot OUT.png\n"
    "                    save a picture of the whole window once shown, and quit\n"
    "  -h, --help        show this help\n";

constexpr int kUsageErrorStatus = 2;

StartRequest usageError(const std::string& message) {
    return {std::nullopt, "mapedit: " + message + "\n" + kUsage, kUsageErrorStatus};
}

struct RawArguments {
    StartValues values;
    std::string grab, screenshot;
    std::vector<std::string> files;
};

// The values as the options they spell, or the usage error of the first
// that spells none.
StartRequest takeValues(const RawArguments& raw, StartOptions o) {
    if (const auto error = takeStartValues(raw.values, o)) return usageError(*error);
    o.grabPath = raw.grab;
    o.screenshotPath = raw.screenshot;
    if (raw.files.size() > 1) return usageError("bad argument '" + raw.files[1] + "'");
    if (!raw.files.empty()) o.file = raw.files[0];
    return {o, {}, 0};
}

}  // namespace

StartRequest parseStartArguments(const std::vector<std::string>& arguments,
                                 std::uint32_t clockSeed) {
    CLI::App app("mapedit", "mapedit");
    app.set_help_flag();
    // Options are --name only: CLI11 on Windows would take /name for one
    // too, and an absolute POSIX path (as Wine hands them over) starts so.
    app.allow_windows_style_options(false);
    bool help = false;
    RawArguments raw;
    app.add_flag("-h,--help", help);
    app.add_option("--zoom", raw.values.zoom);
    app.add_option("--seed", raw.values.seed);
    app.add_option("--variant", raw.values.variant);
    app.add_option("--grab", raw.grab);
    app.add_option("--screenshot", raw.screenshot);
    app.add_option("file", raw.files);
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        return usageError(e.what());
    }
    if (help) return {std::nullopt, kUsage, 0};
    StartOptions o;
    o.seed = clockSeed;
    return takeValues(raw, o);
}

}  // namespace mapedit
