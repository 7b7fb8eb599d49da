#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/variant.h"

namespace mapedit::cli {

// What the command line asks of a subcommand; each subcommand's arguments
// fill the fields it uses.
struct Options {
    std::vector<std::string> files;
    std::string output;  // -o
    int zoom = 1;
    std::optional<std::uint32_t> seed;
    Variant variant = Variant::Vanilla;
    bool plain = false;                // rewrite: the reader's model straight back
    bool fixedLayout = false;          // rewrite: the writer's layout, not the file's own text
    std::optional<std::string> level;  // --level: a level of the file by name or position
};

}  // namespace mapedit::cli
