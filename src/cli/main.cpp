// mapedit-cli: the editor's engine without a window.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <filesystem>

#include "platform/native_path.h"

// Windows hands the arguments over as UTF-16 (wmain, linked with
// -municode); the program holds them, paths included, as UTF-8.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(mapedit::utf8Path(std::filesystem::path(argv[i])));
    // Level text and logs are bytes: no CR added before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return mapedit::cli::runCommandLine(args, stdout, stderr);
}
#else
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return mapedit::cli::runCommandLine(args, stdout, stderr);
}
#endif
