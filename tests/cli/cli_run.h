#pragma once

// Runs the real mapedit-cli and collects what it prints and its exit status.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace mapedit::test {

struct CliRun {
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
inline CliRun runShell(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    const int raw = pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out, ""};
}

// Runs mapedit-cli with the arguments (already shell-quoted where needed);
// standard error is discarded unless `withStderr`, which merges it into out.
inline CliRun runCli(const std::string& args, bool withStderr = false) {
    return runShell(std::string(MAPEDIT_CLI) + " " + args +
                    (withStderr ? " 2>&1" : " 2>/dev/null"));
}

// Runs mapedit-cli keeping standard output and standard error apart.
inline CliRun runCliApart(const std::string& args) {
    char errPath[] = "/tmp/mapedit-cli-stderr-XXXXXX";
    const int fd = mkstemp(errPath);
    if (fd >= 0) close(fd);
    CliRun r = runShell(std::string(MAPEDIT_CLI) + " " + args + " 2>" + errPath);
    r.err = slurp(errPath);
    std::remove(errPath);
    return r;
}

}  // namespace mapedit::test
