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

// The file a command opens one level of, and that level (from 0): the
// file's only level, or the one --level names.
struct ChosenLevel {
    LevelFile file;
    int index = 0;
};

// The first file of the command line and its level. Nothing, with the exit
// status set, when it cannot be read, or (after telling `err` which levels
// there are) when a file of several levels lacks --level or it names none
// to edit.
std::optional<ChosenLevel> loadChosenLevel(const Options& o, std::FILE* err, int& status);

}  // namespace mapedit::cli
