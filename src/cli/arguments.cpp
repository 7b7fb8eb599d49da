#include "cli/arguments.h"

#include <CLI/CLI.hpp>
#include <cstdint>
#include <functional>

#include "platform/whole_number.h"

namespace mapedit::cli {

namespace {

// An option with one value, handed to `take` as soon as the option is met
// (a repeated option's last value wins).
void addValueOption(CLI::App& command, const std::string& names,
                    std::function<void(const std::string&)> take) {
    command.add_option_function<std::string>(names, std::move(take))->trigger_on_parse();
}

}  // namespace

void usageError(const std::string& message) {
    throw CLI::ValidationError(message);
}

void addLevelFiles(CLI::App& command, Options& o) {
    command.add_option("FILE", o.files);
}

void addOutput(CLI::App& command, Options& o) {
    addValueOption(command, "-o,--output", [&o](const std::string& v) { o.output = v; });
}

void addZoom(CLI::App& command, Options& o) {
    addValueOption(command, "--zoom", [&o](const std::string& v) {
        const auto zoom = wholeNumber<int>(v, 1, 16);
        if (!zoom) usageError("--zoom needs a whole number from 1 to 16, not '" + v + "'");
        o.zoom = *zoom;
    });
}

void addSeed(CLI::App& command, Options& o) {
    addValueOption(command, "--seed", [&o](const std::string& v) {
        o.seed = wholeNumber<std::uint32_t>(v, 0, UINT32_MAX);
        if (!o.seed)
            usageError("--seed needs a whole number from 0 to 4294967295, not '" + v + "'");
    });
}

void addVariant(CLI::App& command, Options& o) {
    addValueOption(command, "--variant", [&o](const std::string& v) {
        const auto variant = variantNamed(v);
        if (!variant) usageError("--variant must be vanilla, tavrel or orvandel, not '" + v + "'");
        o.variant = *variant;
    });
}

void addPlain(CLI::App& command, Options& o) {
    command.add_flag("--plain", o.plain);
}

void addLayout(CLI::App& command, Options& o) {
    addValueOption(command, "--layout", [&o](const std::string& v) {
        if (v != "fixed" && v != "kept") {
            usageError("--layout must be kept or fixed, not '" + v + "'");
        }
        o.fixedLayout = v == "fixed";
    });
}

void addLevel(CLI::App& command, Options& o) {
    addValueOption(command, "--level", [&o](const std::string& v) {
        if (v.empty()) usageError("--level needs a level's name or its position in the file");
        o.level = v;
    });
}

void addHelp(CLI::App& command) {
    command.set_help_flag();  // CLI11's own flag answers only after every value was checked
    command.add_flag_callback("-h,--help", [] { throw CLI::CallForHelp(); })->trigger_on_parse();
}

}  // namespace mapedit::cli
