#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace testsupport {

// The account that owns and runs the cluster when the test program runs as
// root (the server refuses to run as root).
struct Account {
    uid_t uid;
    gid_t gid;
};

// Runs argv[0] with the arguments, in `workdir`, as `account` when given,
// with standard input from /dev/null and standard output and error appended
// to `log`. No descriptor of the test program is passed on, so that a server
// started this way holds none of them. Gives the exit status (-1 when it
// did not exit normally).
int runProcess(const std::vector<std::string>& argv, const std::filesystem::path& workdir,
               const std::filesystem::path& log, const std::optional<Account>& account);

// Closes every descriptor from `first` up; for a child between fork and exec.
void closeDescriptorsFrom(int first);

}  // namespace testsupport
