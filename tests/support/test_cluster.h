#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/process.h"
#include "tests/support/temp_registry_store.h"

namespace testsupport {

// One throwaway PostgreSQL cluster per test program: created in a fresh
// temporary folder on first use, listening on 127.0.0.1 at a free port, and
// removed at process exit. A watchdog process removes it as well when the
// test program dies without exiting (a crash, a kill).
//
// Roles: the superuser "postgres" (trusted from 127.0.0.1, for fixtures),
// the groups grupadmin, gruppreluare and grupvizualizare, and the
// administrator "demo" with password "lynx" (CREATEDB CREATEROLE, member of
// grupadmin, not a superuser), who must log in with the password.
class TestCluster {
public:
    // Starts the cluster on first use; throws std::runtime_error (with the
    // server's log) when it cannot be started.
    static TestCluster& get();
    // Asks for the cluster on this port instead of a free one (call before
    // the first get()); when the port is taken, a free port is used as usual.
    // For tests of records that name a fixed port, such as the default 5432.
    static void preferPort(int port);

    TestCluster(const TestCluster&) = delete;
    TestCluster& operator=(const TestCluster&) = delete;

    int port() const { return port_; }
    std::string host() const { return "127.0.0.1"; }
    std::string binDir() const { return binDir_.string(); }

    // Runs SQL (several statements allowed) as postgres; throws
    // std::runtime_error with the server's message.
    void execute(const std::string& database, const std::string& sql) const;
    // Rows of the last statement's result as text; NULL reads as "".
    std::vector<std::vector<std::string>> query(const std::string& database, const std::string& sql) const;
    void createDatabase(const std::string& name, const std::string& owner = "demo") const;
    // Ends its sessions first; no error when it does not exist.
    void dropDatabase(const std::string& name) const;

    // Stops and starts the server on the same folder and port, for tests of
    // an unreachable server.
    void stop();
    void start();

private:
    TestCluster();
    void initialise();
    void startOnPort(int port);
    void shutdown();  // at exit: stop at once and remove the folder
    int pgCommand(const std::string& program, std::vector<std::string> args) const;
    [[noreturn]] void fail(const std::string& what) const;

    std::filesystem::path binDir_;
    std::filesystem::path folder_;
    std::filesystem::path dataDir_;
    std::filesystem::path log_;
    std::optional<Account> serverAccount_;  // set when we run as root
    int port_ = 0;
    bool running_ = false;

    friend void shutdownAtExit();
};

}  // namespace testsupport
