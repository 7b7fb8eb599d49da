#pragma once

// Runs one of our programs and collects what it prints and its exit status,
// for end-to-end tests of the command lines.
#include <sys/wait.h>
#include <unistd.h>

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

inline std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs a shell command line and collects its standard output.
inline ProgramRun runShell(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    const int raw = pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out, ""};
}

// Runs `program` with the arguments (already shell-quoted where needed),
// keeping standard output and standard error apart.
inline ProgramRun runProgram(const std::string& program, const std::string& args) {
    char errPath[] = "/tmp/mapedit-test-stderr-XXXXXX";
    const int fd = mkstemp(errPath);
    if (fd >= 0) close(fd);
    ProgramRun r = runShell(program + " " + args + " 2>" + errPath);
    r.err = slurp(errPath);
    std::remove(errPath);
    return r;
}

}  // namespace mapedit::test
