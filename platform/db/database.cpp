#include "platform/db/database.h"

#include <chrono>
#include <utility>

#include "platform/db/connect.h"
#include "platform/db/connection_names.h"
#include "platform/db/data_source.h"
#include "platform/db/pg_errors.h"

namespace db {
namespace {

constexpr auto kConnectTimeout = std::chrono::seconds(10);

}  // namespace

Database::Database() = default;

Database::~Database() {
    connection_names::remove(this, name_);
}

void Database::SetDatabaseName(std::string connectionName) {
    connection_names::rename(this, name_, connectionName);
    name_ = std::move(connectionName);
}

Database* Database::Find(std::string_view connectionName) { return connection_names::find(connectionName); }

Database::Target Database::ResolveTarget() const {
    const std::string dsn = Params.Values("ODBC DSN");
    const auto record = readDataSource(dsn);
    // A driver manager refuses a data source it has no record of.
    if (!record) throw DbError("Data source name not found: \"" + dsn + "\"");

    Target target;
    target.host = record->servername.empty() ? "localhost" : record->servername;
    target.port = record->port.empty() ? "5432" : record->port;
    target.sslmode = record->sslmode;
    target.dbname = Params.Values("DATABASE NAME");
    if (target.dbname.empty()) target.dbname = record->database;
    target.user = Params.Values("USER NAME");
    if (target.user.empty()) target.user = record->username;
    target.password = Params.Values("PASSWORD");
    if (target.password.empty()) target.password = record->password;
    return target;
}

void Database::Open() {
    if (conn_) return;
    const Target target = ResolveTarget();
    conn_ = pg::connect(
        {
            {"host", target.host},
            {"port", target.port},
            {"dbname", target.dbname},
            {"user", target.user},
            {"password", target.password},
            {"sslmode", target.sslmode},
            {"application_name", "velantrix-update"},
            {"client_encoding", "UTF8"},
            {"connect_timeout", std::to_string(kConnectTimeout.count())},
        },
        kConnectTimeout);
}

void Database::Close() { conn_.reset(); }

bool Database::InTransaction() const {
    if (!conn_) return false;
    const PGTransactionStatusType status = PQtransactionStatus(conn_.get());
    return status == PQTRANS_INTRANS || status == PQTRANS_INERROR;
}

std::string Database::transactionCommand(const char* sql) {
    if (!conn_) throw DbError(std::string("Cannot run ") + sql + ": the database is not open");
    pg::ResultPtr result(PQexec(conn_.get(), sql));
    if (PQresultStatus(result.get()) != PGRES_COMMAND_OK) throw pg::errorFromResult(result.get(), conn_.get());
    return PQcmdStatus(result.get());
}

void Database::StartTransaction() {
    if (InTransaction()) throw DbError("A transaction is already active", "25001");
    transactionCommand("BEGIN");
}

void Database::Commit() {
    // The server answers COMMIT of a failed transaction by rolling it back
    // without an error; a caller must not take that for a commit.
    if (transactionCommand("COMMIT") == "ROLLBACK")
        throw DbError("The transaction had failed and was rolled back instead of committed", "25P02");
}

void Database::Rollback() { transactionCommand("ROLLBACK"); }

}  // namespace db
