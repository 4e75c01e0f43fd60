#pragma once

#include <gtest/gtest.h>

#include "platform/db/database.h"
#include "platform/db/query.h"
#include "tests/support/test_cluster.h"

// A connection named "baza" set up the way the program sets up its own,
// reaching the database "dbtest" of the test cluster through a data source
// record in a fresh registry store.
class DbTest : public ::testing::Test {
protected:
    static constexpr const char* kDatabase = "dbtest";
    static constexpr const char* kDsn = "dbtestPGSQLDSN";

    static void SetUpTestSuite() {
        static const bool created = [] {
            auto& cluster = testsupport::TestCluster::get();
            cluster.dropDatabase(kDatabase);
            cluster.createDatabase(kDatabase);
            return true;
        }();
        (void)created;
    }

    void SetUp() override {
        testsupport::writeDataSource(kDsn, kDatabase);
        database.SetDatabaseName("baza");
        database.Params = {"DATABASE NAME=dbtest", "ODBC DSN=dbtestPGSQLDSN", "SQLPASSTHRU MODE=SHARED AUTOCOMMIT",
                           "USER NAME=demo", "PASSWORD=lynx"};
    }

    // One statement through a fresh query, as the program's code does it.
    void exec(const std::string& sql) {
        db::Query query;
        query.SetDatabaseName("baza");
        query.SetSQL(sql);
        query.ExecSQL();
    }

    testsupport::TestCluster& cluster() { return testsupport::TestCluster::get(); }

    testsupport::TempRegistryStore store;
    db::Database database;
};
