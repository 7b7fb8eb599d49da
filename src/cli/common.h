#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "cli/options.h"
#include "reader/level_file.h"

namespace mapedit::cli {

// The seed given with --seed, or the clock as the editor uses it.
inline std::uint32_t seedOf(const Options& o) {
    return o.seed ? *o.seed : static_cast<std::uint32_t>(std::time(nullptr));
}

// The whole file, or nothing after telling `err` why it could not be read.
std::optional<std::string> loadOrReport(const std::string& path, std::FILE* err);

// Exit status of a command line that does not say what the file needs.
constexpr int kUsageStatus = 2;

// The level of the file to work on (from 0): the file's only level, or the
// one --level names. Nothing, after telling `err` which levels there are,
// when a file of several levels lacks --level or it names none to edit.
std::optional<int> chosenLevel(const Options& o, const std::string& path, const LevelFile& file,
                               std::FILE* err);

}  // namespace mapedit::cli
