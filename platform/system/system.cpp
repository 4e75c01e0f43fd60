#include "platform/system/system.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>

extern char** environ;

namespace sys {

std::filesystem::path systemDirectory() {
    if (const char* dir = std::getenv("VELANTRIX_SYSTEM_DIR"); dir && *dir) return dir;
    return "/usr/lib/velantrix/system";
}

std::string programDirectory() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    std::string dir = ec ? std::filesystem::current_path().string() : exe.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

namespace {

std::vector<std::string> childEnvironment(const RunOptions& options) {
    std::map<std::string, std::string> vars;
    std::vector<std::string> order;
    for (char** e = environ; e && *e; ++e) {
        std::string entry(*e);
        std::string name = entry.substr(0, entry.find('='));
        if (!vars.count(name)) order.push_back(name);
        vars[name] = entry;
    }
    for (const auto& [name, value] : options.environment) {
        if (!vars.count(name)) order.push_back(name);
        vars[name] = name + "=" + value;
    }
    std::vector<std::string> result;
    for (const std::string& name : order) result.push_back(vars[name]);
    return result;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& t : texts) result.push_back(t.data());
    result.push_back(nullptr);
    return result;
}

class FileActions {
public:
    FileActions() { posix_spawn_file_actions_init(&actions_); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

RunResult run(const std::vector<std::string>& argv, const RunOptions& options) {
    RunResult result;
    if (argv.empty() || argv[0].empty()) {
        result.error = "no program given";
        return result;
    }
    std::vector<std::string> args = argv;
    std::vector<std::string> env = childEnvironment(options);
    std::vector<char*> argp = pointers(args);
    std::vector<char*> envp = pointers(env);

    FileActions actions;
    if (!options.standardOutput.empty())
        posix_spawn_file_actions_addopen(actions.get(), STDOUT_FILENO, options.standardOutput.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!options.standardError.empty())
        posix_spawn_file_actions_addopen(actions.get(), STDERR_FILENO, options.standardError.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);

    pid_t pid = 0;
    bool searchPath = argv[0].find('/') == std::string::npos;
    int rc = searchPath ? posix_spawnp(&pid, argp[0], actions.get(), nullptr, argp.data(), envp.data())
                        : posix_spawn(&pid, argp[0], actions.get(), nullptr, argp.data(), envp.data());
    if (rc != 0) {
        result.error = std::strerror(rc);
        return result;
    }
    result.started = true;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
    else if (WIFSIGNALED(status)) result.exitStatus = 128 + WTERMSIG(status);
    // glibc reports a failed exec as exit status 127 from the child.
    if (result.exitStatus == 127 && access(argp[0], X_OK) != 0 && !searchPath) {
        result.started = false;
        result.error = std::strerror(ENOENT);
    }
    return result;
}

}  // namespace sys
