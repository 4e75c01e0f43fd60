#pragma once

#include <string>
#include <string_view>

#include <libpq-fe.h>

#include "platform/db/db_error.h"
#include "platform/db/param_list.h"
#include "platform/db/pg_handles.h"

namespace db {

// The connection component. Queries reach it through its connection name
// (DatabaseName), which is registered in a process-wide table for as long as
// the component lives.
//
// Opening reads the data source named by the parameter line "ODBC DSN" from
// the registry store (Software\ODBC\ODBC.INI\<name> under the machine root):
// "Servername" (default localhost), "Port" (default 5432), "SSLmode" and
// "Database". "DATABASE NAME" overrides the record's database; "USER NAME"
// and "PASSWORD" give the credentials, and when one of them is empty the
// record's "Username" (or "UID") and "Password" stand in, as the ODBC driver
// does. The other parameter lines are accepted and ignored: statements
// outside an explicit transaction always commit by themselves.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Throws DbError when another live component already has the name
    // (compared without regard to case).
    void SetDatabaseName(std::string connectionName);
    const std::string& DatabaseName() const { return name_; }

    // Kept for the program's own settings; they do not change how we connect.
    std::string DriverName;
    bool LoginPrompt = false;
    std::string SessionName = "Default";

    ParamList Params;

    // Does nothing when already open. Throws DbError with the server's (or
    // libpq's) message when the connection cannot be made; the SQLSTATE is
    // the server's, or 08001 when the server was not reached.
    void Open();
    void Close();
    // True from a successful Open until Close, even when the server has
    // since gone away: a broken connection reports errors until it is closed.
    bool Connected() const { return conn_ != nullptr; }

    // BEGIN / COMMIT / ROLLBACK on the open connection; DbError when closed.
    // StartTransaction inside a transaction, and a COMMIT that the server
    // turned into a rollback because the transaction had failed, are errors.
    void StartTransaction();
    void Commit();
    void Rollback();
    // True inside a transaction block, failed or not, as libpq reports it.
    bool InTransaction() const;

    // nullptr when closed.
    PGconn* handle() const { return conn_.get(); }

    struct Target {
        std::string host, port, dbname, user, password, sslmode;
    };
    // What Open would connect to. Throws DbError when the data source has no
    // record.
    Target ResolveTarget() const;

    // The live component registered under the name, or nullptr.
    static Database* Find(std::string_view connectionName);

private:
    // Runs one transaction command; gives its command tag.
    std::string transactionCommand(const char* sql);

    std::string name_;
    pg::ConnPtr conn_;
};

}  // namespace db
