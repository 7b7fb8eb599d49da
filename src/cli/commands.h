#pragma once

#include <cstdio>

#include "cli/options.h"

namespace mapedit::cli {

// Each returns the exit status: 0 success, 1 a file failed.
int runCheck(const Options& o, std::FILE* out, std::FILE* err);
int runRewrite(const Options& o, std::FILE* out, std::FILE* err);
int runRender(const Options& o, std::FILE* err);
int runPlayCommand(const Options& o, std::FILE* out, std::FILE* err);

}  // namespace mapedit::cli
