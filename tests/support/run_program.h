#pragma once

// Runs one of our programs and collects what it prints and its exit status,
// for end-to-end tests of the command lines. Command lines go to the
// platform's shell: sh on POSIX, cmd on Windows.
#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace mapedit::test {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// An empty argument, as the shell is told it.
#ifdef _WIN32
inline const std::string kEmptyArgument = "\"\"";
#else
inline const std::string kEmptyArgument = "''";
#endif

inline std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A program's path as the first word of a command line.
inline std::string commandWord(const std::string& program) {
#ifdef _WIN32
    // cmd takes a leading slash for a switch, and a path without its drive
    // would change meaning after a `cd /d` to another drive.
    return '"' + std::filesystem::absolute(program).make_preferred().string() + '"';
#else
    return program;
#endif
}

// `command` run in the folder `dir`.
inline std::string inFolder(const std::filesystem::path& dir, const std::string& command) {
#ifdef _WIN32
    return "cd /d \"" + dir.string() + "\" && " + command;
#else
    return "cd '" + dir.string() + "' && " + command;
#endif
}

// Runs a shell command line and collects its standard output.
inline ProgramRun runShell(const std::string& command) {
#ifdef _WIN32
    // cmd /c drops the outer quotes of a line that starts with one; these
    // are the ones it drops. Binary: the output's bytes as written. Under
    // Wine on a busy machine starting cmd now and then fails: it is tried
    // again before the run counts as failed.
    FILE* pipe = nullptr;
    for (int attempt = 0; attempt < 3 && pipe == nullptr; ++attempt) {
        pipe = _popen(('"' + command + '"').c_str(), "rb");
    }
#else
    FILE* pipe = popen(command.c_str(), "r");
#endif
    if (pipe == nullptr) return {-1, "", "cannot start: " + command};
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
#ifdef _WIN32
    return {_pclose(pipe), out, ""};
#else
    const int raw = pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out, ""};
#endif
}

// Runs `program` with the arguments (already shell-quoted where needed),
// keeping standard output and standard error apart.
inline ProgramRun runProgram(const std::string& program, const std::string& args) {
    static int runs = 0;
    const std::filesystem::path errPath =
        std::filesystem::temp_directory_path() /
        ("mapedit-test-stderr-" + std::to_string(::getpid()) + "-" + std::to_string(++runs));
    ProgramRun r = runShell(commandWord(program) + " " + args + " 2>" + errPath.string());
    r.err = slurp(errPath);
    std::filesystem::remove(errPath);
    return r;
}

}  // namespace mapedit::test
