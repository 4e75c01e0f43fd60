#include "engine/statement_loop.h"

#include <libpq-fe.h>
#include <poll.h>

#include <cerrno>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <deque>
#include <string>
#include <unordered_set>

#include "engine/log_statements.h"
#include "platform/db/database.h"
#include "platform/db/query.h"

namespace engine {

namespace {

// Reports progress at most every few tens of milliseconds: enough for a
// smooth bar, cheap enough for the statement loop.
class ProgressThrottle {
public:
    ProgressThrottle(const Progress& progress, int total) : progress_(progress), total_(total) {}
    void update(int done) {
        if (!progress_) return;
        auto now = std::chrono::steady_clock::now();
        if (done < total_ && now - last_ < std::chrono::milliseconds(40)) return;
        last_ = now;
        progress_(done, total_);
    }

private:
    const Progress& progress_;
    int total_;
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace

void runStatementsOneByOne(db::Database& connection, const std::vector<std::string_view>& statements,
                           const NotApplied& notApplied, const Progress& progress) {
    db::Query record, statement;
    record.SetDatabaseName(connection.DatabaseName());
    record.SetSQL(sql::kRecord);
    statement.SetDatabaseName(connection.DatabaseName());
    ProgressThrottle throttle(progress, static_cast<int>(statements.size()));
    for (std::size_t i = 0; i < statements.size(); ++i) {
        const std::string text(statements[i]);
        try {
            connection.StartTransaction();
            if (i > 0) {
                record.ParamByName("pfraza").SetAsString(text);
                record.ExecSQL();
            }
            statement.SetSQL(text);
            statement.ExecSQL();
            connection.Commit();
        } catch (const std::exception&) {
            notApplied(text);
            connection.Rollback();  // a failure here ends the pass
        }
        throttle.update(static_cast<int>(i + 1));
    }
}

namespace {

constexpr const char* kRecordStatement = "velantrix_fraza";
constexpr std::size_t kRowsInFlight = 256;

struct ResultDeleter {
    void operator()(PGresult* r) const { PQclear(r); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

[[noreturn]] void fail(PGconn* conn) { throw db::DbError(PQerrorMessage(conn)); }

// Leaves pipeline mode on every way out; after an error the session is in
// an unknown state, so the connection is closed instead.
class PipelineSession {
public:
    PipelineSession(db::Database& connection) : connection_(connection), conn_(connection.handle()) {
        if (!conn_) throw db::DbError("the connection is not open");
        Result prepared(PQprepare(conn_, kRecordStatement, "INSERT INTO frazeupgrade (fraza) VALUES ($1)", 1, nullptr));
        const char* state = PQresultErrorField(prepared.get(), PG_DIAG_SQLSTATE);
        // 42P05: already prepared by an earlier pass over this connection.
        if (PQresultStatus(prepared.get()) != PGRES_COMMAND_OK && !(state && std::string(state) == "42P05"))
            throw db::DbError(PQresultErrorMessage(prepared.get()), state ? state : "");
    }
    void enter() {
        if (PQsetnonblocking(conn_, 1) != 0 || PQenterPipelineMode(conn_) != 1) fail(conn_);
    }
    ~PipelineSession() {
        if (finished_) return;
        connection_.Close();
    }
    void finish() {
        if (PQexitPipelineMode(conn_) != 1 || PQsetnonblocking(conn_, 0) != 0) fail(conn_);
        finished_ = true;
    }
    PGconn* conn() const { return conn_; }

private:
    db::Database& connection_;
    PGconn* conn_;
    bool finished_ = false;
};

struct RowInFlight {
    std::size_t index;
    bool sent;     // false: settled here, without the server
    bool failed;
};

// The texts recorded before the pass. A row whose text is among them would
// be refused at its record, so it is settled without a round trip: the
// outcome is the same, and a pass of a new release then costs only its new rows.
std::unordered_set<std::string> recordedTexts(PGconn* conn) {
    std::unordered_set<std::string> texts;
    Result result(PQexec(conn, "SELECT fraza FROM frazeupgrade"));
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) return texts;  // then every row goes to the server
    const int rows = PQntuples(result.get());
    texts.reserve(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
        if (!PQgetisnull(result.get(), r, 0)) texts.emplace(PQgetvalue(result.get(), r, 0), PQgetlength(result.get(), r, 0));
    return texts;
}

// A statement that may remove records (the script's means to run a row
// again) makes the texts read before the pass stale.
bool mayRemoveRecords(std::string_view text) {
    auto sameLetter = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    auto startsWith = [&](std::string_view word, std::size_t at) {
        return text.size() - at >= word.size() && std::equal(word.begin(), word.end(), text.begin() + at, sameLetter);
    };
    constexpr std::string_view table = "frazeupgrade";
    if (std::search(text.begin(), text.end(), table.begin(), table.end(), sameLetter) == text.end()) return false;
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return false;
    for (std::string_view verb : {"delete", "update", "truncate", "drop", "alter"})
        if (startsWith(verb, first)) return true;
    return false;
}

}  // namespace

void runStatementsPipelined(db::Database& connection, const std::vector<std::string_view>& statements,
                            const NotApplied& notApplied, const Progress& progress) {
    PipelineSession session(connection);
    PGconn* conn = session.conn();
    std::unordered_set<std::string> recorded = recordedTexts(conn);
    session.enter();
    ProgressThrottle throttle(progress, static_cast<int>(statements.size()));
    std::deque<RowInFlight> inFlight;
    std::size_t next = 0, done = 0;
    std::string text;

    auto settle = [&](const RowInFlight& row) {
        if (row.failed) notApplied(statements[row.index]);
        throttle.update(static_cast<int>(++done));
    };
    // Rows settled here leave the queue as soon as every row before them has.
    auto settleLocalRows = [&] {
        while (!inFlight.empty() && !inFlight.front().sent) {
            settle(inFlight.front());
            inFlight.pop_front();
        }
    };

    auto send = [&](std::size_t i) {
        text.assign(statements[i]);
        if (i > 0 && recorded.count(text)) {
            inFlight.push_back({i, false, true});
            return;
        }
        if (!recorded.empty() && mayRemoveRecords(text)) recorded.clear();
        if (i > 0) {
            const char* values[1] = {text.c_str()};
            if (!PQsendQueryPrepared(conn, kRecordStatement, 1, values, nullptr, nullptr, 0)) fail(conn);
        }
        if (!PQsendQueryParams(conn, text.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0)) fail(conn);
        // The synchronisation point closes the row's implicit transaction:
        // record and statement commit together or roll back together.
        if (!PQpipelineSync(conn)) fail(conn);
        inFlight.push_back({i, true, false});
    };

    // Takes every result that has arrived; a row sent to the server is
    // complete at its synchronisation point.
    auto drain = [&] {
        bool lastWasNull = false;
        settleLocalRows();
        while (!inFlight.empty() && !PQisBusy(conn)) {
            Result result(PQgetResult(conn));
            if (!result) {
                if (lastWasNull) break;  // nothing more has arrived
                lastWasNull = true;
                continue;
            }
            lastWasNull = false;
            switch (PQresultStatus(result.get())) {
                case PGRES_PIPELINE_SYNC:
                    settle(inFlight.front());
                    inFlight.pop_front();
                    settleLocalRows();
                    break;
                case PGRES_COMMAND_OK:
                case PGRES_TUPLES_OK:
                case PGRES_EMPTY_QUERY: break;
                default: inFlight.front().failed = true; break;
            }
        }
    };

    while (next < statements.size() || !inFlight.empty()) {
        while (next < statements.size() && inFlight.size() < kRowsInFlight) send(next++);
        const int flushing = PQflush(conn);
        if (flushing < 0) fail(conn);
        if (!PQconsumeInput(conn)) fail(conn);
        const std::size_t before = done;
        drain();
        if (PQstatus(conn) == CONNECTION_BAD) fail(conn);
        if (done != before && flushing == 0) continue;

        pollfd fd{PQsocket(conn), static_cast<short>(POLLIN | (flushing == 1 ? POLLOUT : 0)), 0};
        if (fd.fd < 0) fail(conn);
        if (poll(&fd, 1, 1000) < 0 && errno != EINTR) throw db::DbError("waiting for the server failed");
    }
    session.finish();
}

}  // namespace engine
