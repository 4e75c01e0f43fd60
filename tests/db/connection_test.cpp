#include <string>

#include <gtest/gtest.h>

#include "platform/registry/registry.h"
#include "tests/db/db_fixture.h"

namespace {

using ConnectionTest = DbTest;

db::DbError openError(db::Database& database) {
    try {
        database.Open();
    } catch (const db::DbError& e) {
        return e;
    }
    ADD_FAILURE() << "Open succeeded";
    return db::DbError("");
}

void writeRecordValue(const std::string& dsn, const std::string& name, const std::string& value) {
    reg::Registry registry(reg::RootKey::LocalMachine);
    ASSERT_TRUE(registry.OpenKey("Software\\ODBC\\ODBC.INI\\" + dsn, true));
    registry.WriteString(name, value);
}

TEST_F(ConnectionTest, OpensThroughTheDataSourceRecordAsTheNamedUser) {
    database.Open();
    ASSERT_TRUE(database.Connected());
    db::Query query;
    query.SetDatabaseName("baza");
    query.SetSQL("SELECT current_database() AS d, current_user AS u, current_setting('application_name') AS a");
    query.Open();
    EXPECT_EQ(query.FieldByName("d").AsString(), "dbtest");
    EXPECT_EQ(query.FieldByName("u").AsString(), "demo");
    EXPECT_EQ(query.FieldByName("a").AsString(), "velantrix-update");
    database.Open();  // already open: nothing happens
    database.Close();
    EXPECT_FALSE(database.Connected());
    EXPECT_EQ(database.handle(), nullptr);
}

TEST_F(ConnectionTest, TheRecordNamesServerPortAndDefaultDatabase) {
    writeRecordValue(kDsn, "Servername", "127.0.0.1");
    EXPECT_EQ(database.ResolveTarget().port, std::to_string(cluster().port()));

    database.Params.Set(0, "DATABASE NAME=");
    EXPECT_EQ(database.ResolveTarget().dbname, "dbtest");  // the record's Database

    // A port nobody listens on: the server is not reached.
    writeRecordValue(kDsn, "Port", "1");
    const db::DbError e = openError(database);
    EXPECT_EQ(e.sqlState(), "08001") << e.what();
    EXPECT_NE(std::string(e.what()).find("127.0.0.1"), std::string::npos) << e.what();
}

TEST_F(ConnectionTest, AnEmptyRecordTakesTheDriverDefaults) {
    {
        reg::Registry registry(reg::RootKey::LocalMachine);
        ASSERT_TRUE(registry.OpenKey("Software\\ODBC\\ODBC.INI\\bareDSN", true));
    }
    database.Params.Set(1, "ODBC DSN=bareDSN");
    const db::Database::Target target = database.ResolveTarget();
    EXPECT_EQ(target.host, "localhost");
    EXPECT_EQ(target.port, "5432");
    EXPECT_EQ(target.sslmode, "");
    EXPECT_EQ(target.dbname, "dbtest");
    EXPECT_EQ(target.user, "demo");
    EXPECT_EQ(target.password, "lynx");
}

TEST_F(ConnectionTest, ADataSourceWithoutARecordDoesNotOpen) {
    for (const std::string line : {"ODBC DSN=dbtestPGSQLDSN_IP", "ODBC DSN=", "ODBC DSN=dbtestPGSQLDSN\\sub"}) {
        database.Params.Set(1, line);
        EXPECT_THROW(database.ResolveTarget(), db::DbError) << line;
        const db::DbError e = openError(database);
        EXPECT_NE(std::string(e.what()).find("Data source name not found"), std::string::npos) << e.what();
        EXPECT_FALSE(database.Connected());
    }
}

TEST_F(ConnectionTest, RefusalsCarryTheServerMessageAndSqlState) {
    struct Case {
        int line;
        std::string text, sqlState, message;
    };
    for (const Case& c : {Case{4, "PASSWORD=wrong", "28P01", "password authentication failed for user \"demo\""},
                          Case{0, "DATABASE NAME=nosuchdb", "3D000", "database \"nosuchdb\" does not exist"}}) {
        db::Database fresh;
        fresh.Params = database.Params;
        fresh.Params.Set(c.line, c.text);
        const db::DbError e = openError(fresh);
        EXPECT_EQ(e.sqlState(), c.sqlState) << e.what();
        const std::string message = e.what();
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_EQ(message.find(c.sqlState), std::string::npos) << "the code is not part of the text: " << message;
        EXPECT_EQ(message.find("LOCATION"), std::string::npos) << message;
        EXPECT_FALSE(fresh.Connected());
    }
}

TEST_F(ConnectionTest, ConnectionNamesAreFoundWhileTheirComponentLives) {
    EXPECT_EQ(db::Database::Find("BAZA"), &database);
    {
        db::Database other;
        EXPECT_THROW(other.SetDatabaseName("baza"), db::DbError);
        other.SetDatabaseName("alta");
        EXPECT_EQ(db::Database::Find("alta"), &other);
    }
    EXPECT_EQ(db::Database::Find("alta"), nullptr);
    database.SetDatabaseName("redenumita");
    EXPECT_EQ(db::Database::Find("baza"), nullptr);
    EXPECT_EQ(db::Database::Find("redenumita"), &database);
}

TEST_F(ConnectionTest, AQueryOpensItsClosedConnectionOnDemand) {
    ASSERT_FALSE(database.Connected());
    exec("SELECT 1");
    EXPECT_TRUE(database.Connected());

    db::Query orphan;
    orphan.SetDatabaseName("nimeni");
    orphan.SetSQL("SELECT 1");
    EXPECT_THROW(orphan.ExecSQL(), db::DbError);
}

// Last of its kind in the program: it restarts the shared server.
TEST_F(ConnectionTest, ServerDownFailsUntilItIsBack) {
    database.Open();
    cluster().stop();
    EXPECT_THROW(exec("SELECT 1"), db::DbError);  // the open connection is broken

    database.Close();
    const db::DbError e = openError(database);
    EXPECT_EQ(e.sqlState(), "08001") << e.what();

    cluster().start();
    database.Open();
    exec("SELECT 1");
    EXPECT_EQ(cluster().query("dbtest", "SELECT 40 + 2"), (std::vector<std::vector<std::string>>{{"42"}}));
}

}  // namespace
