#include "cli/options.h"

#include <charconv>
#include <cstdint>

namespace mapedit::cli {

namespace {

std::optional<Command> commandNamed(const std::string& name) {
    if (name == "check") return Command::Check;
    if (name == "rewrite") return Command::Rewrite;
    if (name == "render") return Command::Render;
    if (name == "help" || name == "--help" || name == "-h") return Command::Help;
    return std::nullopt;
}

template <typename T>
bool parseUnsigned(const std::string& text, T& out, T max) {
    unsigned long long v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size() ||
        v > static_cast<unsigned long long>(max))
        return false;
    out = static_cast<T>(v);
    return true;
}

std::optional<Variant> variantNamed(const std::string& name) {
    if (name == "vanilla") return Variant::Vanilla;
    if (name == "tavrel") return Variant::Tavrel;
    if (name == "orvandel") return Variant::Orvandel;
    return std::nullopt;
}

// Handles one option with its value; false with `error` set on a bad one.
bool takeOption(Options& o, const std::string& name, const std::string& value, std::string& error) {
    if (name == "-o" || name == "--output") {
        o.output = value;
    } else if (name == "--zoom") {
        if (!parseUnsigned(value, o.zoom, 16) || o.zoom < 1) {
            error = "--zoom needs a whole number from 1 to 16, not '" + value + "'";
            return false;
        }
    } else if (name == "--seed") {
        std::uint32_t seed = 0;
        if (!parseUnsigned(value, seed, UINT32_MAX)) {
            error = "--seed needs a whole number from 0 to 4294967295, not '" + value + "'";
            return false;
        }
        o.seed = seed;
    } else if (name == "--variant") {
        auto v = variantNamed(value);
        if (!v) {
            error = "--variant must be vanilla, tavrel or orvandel, not '" + value + "'";
            return false;
        }
        o.variant = *v;
    }
    return true;
}

bool takesValue(const std::string& arg) {
    return arg == "-o" || arg == "--output" || arg == "--zoom" || arg == "--seed" ||
           arg == "--variant";
}

bool checkShape(const Options& o, std::string& error) {
    if (o.command == Command::Help) return true;
    if (o.files.empty()) {
        error = "no level file given";
        return false;
    }
    if (o.command != Command::Check && o.files.size() > 1) {
        error = "only one level file may be given";
        return false;
    }
    if (o.command == Command::Render && o.output.empty()) {
        error = "render needs -o OUT.png";
        return false;
    }
    return true;
}

}  // namespace

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    if (args.empty()) {
        error = "no command given";
        return std::nullopt;
    }
    auto command = commandNamed(args[0]);
    if (!command) {
        error = "unknown command '" + args[0] + "'";
        return std::nullopt;
    }
    Options o;
    o.command = *command;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.command = Command::Help;
            return o;
        }
        if (takesValue(arg)) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            if (!takeOption(o, arg, args[++i], error)) return std::nullopt;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        } else {
            o.files.push_back(arg);
        }
    }
    if (!checkShape(o, error)) return std::nullopt;
    return o;
}

const char* usageText() {
    return "Usage: mapedit-cli COMMAND [OPTIONS] FILE...\n"
           "\n"
           "Commands:\n"
           "  check FILE...            read each level description; print FILE: REPORT\n"
           "                           for each one that fails (exit 1 when any failed)\n"
           "  rewrite FILE [-o OUT]    read FILE and write it back through the level\n"
           "                           writer (to standard output without -o)\n"
           "  render FILE -o OUT.png [--zoom N]\n"
           "                           open FILE as the editor does and save the\n"
           "                           painted window area (810 x 450 times N) as PNG\n"
           "\n"
           "Options:\n"
           "  --seed N                 fix the random generator (reproducible output)\n"
           "  --variant NAME           vanilla (default), tavrel or orvandel\n"
           "  -h, --help               show this help\n"
           "\n"
           "Exit status: 0 success, 1 a file failed, 2 usage error.\n";
}

}  // namespace mapedit::cli
