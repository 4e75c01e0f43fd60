#include "tests/support/test_cluster.h"

#include "tests/support/files.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include <libpq-fe.h>

#include "tests/support/watchdog.h"

namespace fs = std::filesystem;

namespace testsupport {
namespace {

TestCluster* g_cluster = nullptr;
int g_preferredPort = 0;

// Several PostgreSQL versions may sit side by side; take the newest unless
// VELANTRIX_PG_BIN names one.
fs::path findBinDir() {
    if (const char* chosen = std::getenv("VELANTRIX_PG_BIN"); chosen && *chosen) return chosen;
    fs::path best;
    int bestVersion = -1;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/usr/lib/postgresql", ec)) {
        const std::string name = entry.path().filename().string();
        const int version = std::atoi(name.c_str());
        if (version > bestVersion && fs::exists(entry.path() / "bin" / "initdb")) {
            bestVersion = version;
            best = entry.path() / "bin";
        }
    }
    if (!best.empty()) return best;
    if (const char* path = std::getenv("PATH")) {
        std::stringstream dirs(path);
        for (std::string dir; std::getline(dirs, dir, ':');)
            if (!dir.empty() && fs::exists(fs::path(dir) / "initdb")) return dir;
    }
    throw std::runtime_error("no PostgreSQL server binaries (initdb) found; set VELANTRIX_PG_BIN");
}

// A port nobody listens on right now. Another process may take it before
// the server binds it; the caller retries with a new one then.
int freePort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool ok = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    if (fd >= 0) close(fd);
    if (!ok) throw std::runtime_error("cannot find a free port");
    return ntohs(address.sin_port);
}

// True when nobody listens on the port on 127.0.0.1 right now.
bool portFree(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) close(fd);
    return ok;
}

std::string quoteIdentifier(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

struct ConnCloser {
    void operator()(PGconn* c) const { PQfinish(c); }
};
struct ResultCloser {
    void operator()(PGresult* r) const { PQclear(r); }
};
using Result = std::unique_ptr<PGresult, ResultCloser>;

Result runAsSuperuser(int port, const std::string& database, const std::string& sql) {
    const std::string portText = std::to_string(port);
    const char* keys[] = {"host", "port", "dbname", "user", "connect_timeout", nullptr};
    const char* values[] = {"127.0.0.1", portText.c_str(), database.c_str(), "postgres", "10", nullptr};
    std::unique_ptr<PGconn, ConnCloser> conn(PQconnectdbParams(keys, values, 0));
    if (PQstatus(conn.get()) != CONNECTION_OK)
        throw std::runtime_error("test cluster: cannot connect to " + database + ": " + PQerrorMessage(conn.get()));
    Result result(PQexec(conn.get(), sql.c_str()));
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw std::runtime_error("test cluster: " + sql + ": " + PQerrorMessage(conn.get()));
    return result;
}

}  // namespace

void shutdownAtExit() {
    if (g_cluster) g_cluster->shutdown();
}

void TestCluster::preferPort(int port) { g_preferredPort = port; }

TestCluster& TestCluster::get() {
    static TestCluster* const instance = [] {
        auto* cluster = new TestCluster();
        g_cluster = cluster;
        std::atexit(shutdownAtExit);
        return cluster;
    }();
    return *instance;
}

TestCluster::TestCluster() : binDir_(findBinDir()) {
    std::string pattern = (fs::temp_directory_path() / "velantrix-pg-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a folder for the test cluster");
    folder_ = pattern;
    dataDir_ = folder_ / "data";
    log_ = folder_ / "server.log";
    try {
        initialise();
    } catch (...) {
        shutdown();
        throw;
    }
}

void TestCluster::initialise() {
    if (geteuid() == 0) {
        const passwd* account = getpwnam("postgres");
        if (!account) throw std::runtime_error("running as root, but there is no postgres account to run the server");
        serverAccount_ = Account{account->pw_uid, account->pw_gid};
        if (chown(folder_.c_str(), account->pw_uid, account->pw_gid) != 0)
            throw std::runtime_error("cannot give " + folder_.string() + " to postgres");
    }
    startWatchdog(folder_, dataDir_);

    if (pgCommand("initdb", {"-D", dataDir_.string(), "-U", "postgres", "--auth-local=trust",
                             "--auth-host=scram-sha-256", "-E", "UTF8", "--locale=C", "--no-sync"}) != 0)
        fail("initdb failed");

    // Written into the server's own files, which keep their owner.
    std::ofstream(dataDir_ / "pg_hba.conf", std::ios::trunc) << "local all all trust\n"
                                                                  "host all postgres 127.0.0.1/32 trust\n"
                                                                  "host all all 127.0.0.1/32 scram-sha-256\n";
    std::ofstream(dataDir_ / "postgresql.conf", std::ios::app)
        << "\nlisten_addresses = '127.0.0.1'\n"
        << "unix_socket_directories = '" << folder_.string() << "'\n"
        << "fsync = off\nsynchronous_commit = off\nfull_page_writes = off\n";

    // The chosen port may be taken by someone else before the server binds it.
    for (int attempt = 0;; ++attempt) {
        const bool preferred = attempt == 0 && g_preferredPort > 0 && portFree(g_preferredPort);
        int port = preferred ? g_preferredPort : freePort();
        if (port == 5432 && !preferred) continue;
        try {
            startOnPort(port);
            break;
        } catch (const std::runtime_error&) {
            if (attempt == 4) throw;
        }
    }

    execute("postgres",
            "CREATE ROLE grupadmin NOLOGIN;"
            "CREATE ROLE gruppreluare NOLOGIN;"
            "CREATE ROLE grupvizualizare NOLOGIN;"
            "CREATE ROLE demo LOGIN CREATEDB CREATEROLE NOSUPERUSER PASSWORD 'lynx' IN ROLE grupadmin;");
}

int TestCluster::pgCommand(const std::string& program, std::vector<std::string> args) const {
    args.insert(args.begin(), (binDir_ / program).string());
    return runProcess(args, folder_, log_, serverAccount_);
}

void TestCluster::fail(const std::string& what) const {
    throw std::runtime_error("test cluster: " + what + "\n" + readFile(log_));
}

void TestCluster::startOnPort(int port) {
    if (pgCommand("pg_ctl", {"-D", dataDir_.string(), "-l", log_.string(), "-w", "-t", "60", "-o",
                             "-p " + std::to_string(port), "start"}) != 0)
        fail("the server did not start on port " + std::to_string(port));
    port_ = port;
    running_ = true;
}

void TestCluster::start() {
    if (!running_) startOnPort(port_);
}

void TestCluster::stop() {
    if (!running_) return;
    if (pgCommand("pg_ctl", {"-D", dataDir_.string(), "-m", "fast", "-w", "stop"}) != 0) fail("the server did not stop");
    running_ = false;
}

void TestCluster::shutdown() {
    if (running_) {
        pgCommand("pg_ctl", {"-D", dataDir_.string(), "-m", "immediate", "-w", "stop"});
        running_ = false;
    }
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void TestCluster::execute(const std::string& database, const std::string& sql) const {
    runAsSuperuser(port_, database, sql);
}

std::vector<std::vector<std::string>> TestCluster::query(const std::string& database, const std::string& sql) const {
    const Result result = runAsSuperuser(port_, database, sql);
    std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(PQntuples(result.get())));
    for (int row = 0; row < PQntuples(result.get()); ++row)
        for (int column = 0; column < PQnfields(result.get()); ++column)
            rows[static_cast<std::size_t>(row)].emplace_back(PQgetvalue(result.get(), row, column));
    return rows;
}

void TestCluster::createDatabase(const std::string& name, const std::string& owner) const {
    execute("postgres", "CREATE DATABASE " + quoteIdentifier(name) + " OWNER " + quoteIdentifier(owner));
}

void TestCluster::dropDatabase(const std::string& name) const {
    execute("postgres", "DROP DATABASE IF EXISTS " + quoteIdentifier(name) + " WITH (FORCE)");
}

}  // namespace testsupport
