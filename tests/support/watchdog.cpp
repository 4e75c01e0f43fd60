#include "tests/support/watchdog.h"

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

#include "tests/support/process.h"

namespace testsupport {
namespace {

// Reads its standard input to the end: the write end of that pipe lives
// only in the test program, so the end comes when the program is gone.
// SIGQUIT is the server's immediate shutdown.
constexpr const char* kScript = R"sh(
cat >/dev/null
pidfile="$2/postmaster.pid"
if [ -f "$pidfile" ]; then
  pid=$(head -n 1 "$pidfile")
  kill -QUIT "$pid" 2>/dev/null
  n=0
  while kill -0 "$pid" 2>/dev/null && [ $n -lt 100 ]; do sleep 0.1; n=$((n + 1)); done
fi
rm -rf "$1"
)sh";

}  // namespace

void startWatchdog(const std::filesystem::path& folder, const std::filesystem::path& dataDir) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("cannot create the watchdog pipe");
    const std::string folderText = folder.string(), dataText = dataDir.string();
    const pid_t pid = fork();
    if (pid == 0) {
        // Its own session, so that an interrupt meant for the test program
        // does not kill the watchdog before it has cleaned up.
        setsid();
        dup2(ends[0], 0);
        const int nullFd = open("/dev/null", O_WRONLY);
        dup2(nullFd, 1);
        dup2(nullFd, 2);
        closeDescriptorsFrom(3);
        execl("/bin/sh", "sh", "-c", kScript, "sh", folderText.c_str(), dataText.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[0]);
    if (pid < 0) {
        close(ends[1]);
        throw std::runtime_error("cannot start the cluster watchdog");
    }
    // ends[1] stays open, unused, for the rest of the program's life.
}

}  // namespace testsupport
