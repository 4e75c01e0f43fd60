#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// The few operating-system services the program uses: its folders and
// starting other programs.
namespace sys {

// The folder of the system's tools: $VELANTRIX_SYSTEM_DIR, else
// /usr/lib/velantrix/system.
std::filesystem::path systemDirectory();

// The folder of the running program, ending with a path separator.
std::string programDirectory();

struct RunOptions {
    // Variables set (or replaced) in the child's environment.
    std::vector<std::pair<std::string, std::string>> environment;
    // When set, the child's standard output (error) goes to this file, created or truncated.
    std::filesystem::path standardOutput;
    std::filesystem::path standardError;
};

struct RunResult {
    bool started = false;
    int exitStatus = -1;  // the exit code, or 128 + signal number
    std::string error;    // why it did not start
};

// Starts argv[0] (a path, or a name looked up in PATH) with the arguments
// as they are — no shell — and waits for it without a time limit.
RunResult run(const std::vector<std::string>& argv, const RunOptions& options = {});

}  // namespace sys
