#include "tests/support/process.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace testsupport {

void closeDescriptorsFrom(int first) {
    const long limit = sysconf(_SC_OPEN_MAX);
    for (int fd = first; fd < (limit > 0 ? limit : 1024); ++fd) close(fd);
}

int runProcess(const std::vector<std::string>& argv, const std::filesystem::path& workdir,
               const std::filesystem::path& log, const std::optional<Account>& account) {
    // Everything the child needs is prepared before fork: between fork and
    // exec only async-signal-safe calls are allowed.
    std::vector<char*> args;
    for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const int logFd = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const int nullFd = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (logFd < 0 || nullFd < 0) throw std::runtime_error("cannot open " + log.string());
    if (account && fchown(logFd, account->uid, account->gid) != 0) {
        // The server appends to this log too; harmless when it cannot.
    }

    const pid_t pid = fork();
    if (pid == 0) {
        dup2(nullFd, 0);
        dup2(logFd, 1);
        dup2(logFd, 2);
        closeDescriptorsFrom(3);
        if (account && (setgroups(0, nullptr) != 0 || setgid(account->gid) != 0 || setuid(account->uid) != 0))
            _exit(126);
        if (chdir(workdir.c_str()) != 0) _exit(126);
        execv(args[0], args.data());
        _exit(127);
    }
    close(logFd);
    close(nullFd);
    if (pid < 0) throw std::runtime_error("cannot start " + argv[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace testsupport
