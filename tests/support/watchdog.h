#pragma once

#include <filesystem>

namespace testsupport {

// Starts a process that waits for the test program to end, however it ends,
// then stops the server whose data folder is `dataDir` (at once, by signal)
// and removes `folder`. After a normal exit the cluster is already gone and
// the watchdog has nothing left to do.
void startWatchdog(const std::filesystem::path& folder, const std::filesystem::path& dataDir);

}  // namespace testsupport
