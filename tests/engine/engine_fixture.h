#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/windows.h"
#include "companies/company_register.h"
#include "engine/statement_log.h"
#include "tests/app/fake_application.h"
#include "tests/support/test_cluster.h"

// The real main window against the test cluster: each test gets fresh
// company databases with their data source records in a fresh store.
class EngineTest : public ::testing::Test {
protected:
    testsupport::TestCluster& cluster = testsupport::TestCluster::get();
    testsupport::TempRegistryStore store;
    FakeApplication app;
    Windows<> windows;
    TForm1& form = windows.form1;
    std::vector<std::string> databases;

    ~EngineTest() override {
        form.bazaDB.Close();
        for (const std::string& db : databases) cluster.dropDatabase(db);
        engine::setLoopMode(engine::LoopMode::Pipeline);
    }

    // A company database reachable as `entry`; with the statement log unless told otherwise.
    void createCompany(const std::string& entry, bool withStatementLog = true) {
        const std::string db = companies::numeBaza(entry);
        cluster.dropDatabase(db);
        cluster.createDatabase(db);
        databases.push_back(db);
        if (withStatementLog)
            cluster.execute(db, "SET ROLE demo; CREATE TABLE frazeupgrade (fraza text, moment TIMESTAMP NOT NULL "
                                "DEFAULT current_timestamp, UNIQUE (fraza))");
        testsupport::writeDataSource(companies::numeSursaDate(entry), db);
    }

    // Points the main connection at the company as the update run does, and opens it.
    bool open(const std::string& entry) {
        form.bazaDB.Close();
        form.bazaDB.Params.Delete(0);
        form.bazaDB.Params.Insert(0, "DATABASE NAME=" + companies::numeBaza(entry));
        form.bazaDB.Params.Set(1, "ODBC DSN=" + companies::numeSursaDate(entry));
        return form.conecteazaFirma(entry);
    }

    void pass(const std::string& entry) {
        ASSERT_TRUE(open(entry));
        form.actualizeazaBaza(entry);
    }

    std::vector<std::vector<std::string>> rows(const std::string& entry, const std::string& sql) {
        return cluster.query(companies::numeBaza(entry), sql);
    }
    std::string value(const std::string& entry, const std::string& sql) { return rows(entry, sql).at(0).at(0); }
    std::vector<std::string> column(const std::string& entry, const std::string& sql) {
        std::vector<std::string> result;
        for (auto& row : rows(entry, sql)) result.push_back(row.at(0));
        return result;
    }
    const std::vector<std::string>& notApplied() const { return form.mesajeMM.Lines.lines(); }
};
