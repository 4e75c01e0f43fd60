#include "platform/db/connect.h"

#include <cerrno>
#include <cstring>

#include <poll.h>

#include "platform/db/db_error.h"
#include "platform/db/pg_errors.h"

namespace db::pg {

ConnPtr connect(const std::vector<std::pair<std::string, std::string>>& settings,
                std::chrono::milliseconds timeout) {
    std::vector<const char*> keys, values;
    for (const auto& [key, value] : settings) {
        keys.push_back(key.c_str());
        values.push_back(value.c_str());
    }
    keys.push_back(nullptr);
    values.push_back(nullptr);

    // The non-blocking start is the only way to switch on verbose errors
    // before the server answers, and verbose errors are the only way to learn
    // the SQLSTATE of a refused connection (28P01, 3D000, ...).
    ConnPtr conn(PQconnectStartParams(keys.data(), values.data(), /*expand_dbname=*/0));
    if (!conn) throw DbError("out of memory while connecting", kCannotConnect);
    PQsetErrorVerbosity(conn.get(), PQERRORS_VERBOSE);

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    PostgresPollingStatusType state = PGRES_POLLING_WRITING;
    while (PQstatus(conn.get()) != CONNECTION_BAD && state != PGRES_POLLING_OK && state != PGRES_POLLING_FAILED) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) throw DbError("timeout expired while connecting to the database server", kCannotConnect);
        pollfd fd{PQsocket(conn.get()), static_cast<short>(state == PGRES_POLLING_READING ? POLLIN : POLLOUT), 0};
        const int ready = poll(&fd, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR)
            throw DbError(std::string("could not wait for the database server: ") + std::strerror(errno), kCannotConnect);
        if (ready > 0) state = PQconnectPoll(conn.get());
    }
    if (PQstatus(conn.get()) != CONNECTION_OK) throw errorFromVerboseConnect(PQerrorMessage(conn.get()));

    PQsetErrorVerbosity(conn.get(), PQERRORS_DEFAULT);
    // Notices and warnings of the server (a grant on a sequence, an existing
    // table skipped) are not the user's concern; libpq would print them on
    // standard error.
    PQsetNoticeProcessor(conn.get(), [](void*, const char*) {}, nullptr);
    return conn;
}

}  // namespace db::pg
