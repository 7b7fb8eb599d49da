#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/variant.h"

namespace mapedit::cli {

enum class Command { Check, Rewrite, Render, Help };

struct Options {
    Command command = Command::Help;
    std::vector<std::string> files;
    std::string output;  // -o
    int zoom = 1;
    std::optional<std::uint32_t> seed;
    Variant variant = Variant::Vanilla;
};

// Parses the arguments after the program name. On a usage error returns
// nothing and sets `error`.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

const char* usageText();

}  // namespace mapedit::cli
