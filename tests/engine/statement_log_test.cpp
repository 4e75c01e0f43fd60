#include <gtest/gtest.h>

#include <libpq-fe.h>

#include "tests/engine/engine_fixture.h"

namespace {

const std::string kLabel = TForm1::kVersionLabel;

// A small script with the shapes the real one has: an unrecorded first row,
// a row that fails until a later row has run, an exact repeat, a repeat
// differing by one blank, a row that always fails, and a row that re-runs.
const std::vector<std::string_view> kScript = {
    "CREATE TABLE istoric (id SERIAL, nota text)",
    "INSERT INTO tarziu VALUES (1)",  // its table comes later: takes effect at the second pass
    "CREATE TABLE t (n integer)",
    "INSERT INTO t VALUES (1)",
    "INSERT INTO t VALUES (1)",   // same text: refused at its record
    "INSERT INTO t VALUES  (1)",  // another text: runs once more
    "INSERT INTO lipsa VALUES (1)",  // never takes effect
    "CREATE TABLE tarziu (n integer)",
    "UPDATE t SET n = n WHERE 'DELETE FROM frazeupgrade WHERE fraza' <> ''",  // its record is removed before each pass
};

class StatementLogTest : public EngineTest, public ::testing::WithParamInterface<engine::LoopMode> {
protected:
    void SetUp() override {
        engine::setLoopMode(GetParam());
        windows.utility.useStatements(kScript);
    }
};

TEST_P(StatementLogTest, FirstPassCreatesTheLogAndRecordsWhatTookEffect) {
    createCompany("RO1");
    pass("RO1");

    EXPECT_EQ(value("RO1", "SELECT count(*) FROM t"), "2");
    EXPECT_EQ(column("RO1", "SELECT fraza FROM frazeupgrade ORDER BY fraza"),
              (std::vector<std::string>{"CREATE TABLE t (n integer)", "CREATE TABLE tarziu (n integer)",
                                        "INSERT INTO t VALUES  (1)", "INSERT INTO t VALUES (1)",
                                        "UPDATE t SET n = n WHERE 'DELETE FROM frazeupgrade WHERE fraza' <> ''"}));
    EXPECT_EQ(notApplied(), (std::vector<std::string>{"INSERT INTO tarziu VALUES (1)", "INSERT INTO t VALUES (1)",
                                                      "INSERT INTO lipsa VALUES (1)"}));
    EXPECT_EQ(rows("RO1", "SELECT versiuneUpdate, modul, descriere, executat, momentend IS NOT NULL FROM logupdate"),
              (std::vector<std::vector<std::string>>{{kLabel, "Velantrix", "update", "Y", "t"}}));
    EXPECT_EQ(value("RO1", "SELECT has_table_privilege('grupvizualizare', 'logupdate', 'SELECT') AND "
                           "has_table_privilege('gruppreluare', 'logupdate', 'UPDATE') AND "
                           "has_table_privilege('grupadmin', 'logupdate', 'DELETE WITH GRANT OPTION')"),
              "t");
    EXPECT_TRUE(form.executateMM.Lines.lines().empty());
}

TEST_P(StatementLogTest, TheSameReleaseIsNotPassedTwice) {
    createCompany("RO1");
    pass("RO1");
    form.mesajeMM.Lines.Clear();
    pass("RO1");
    EXPECT_EQ(form.executateMM.Lines.lines(), (std::vector<std::string>{"UPDATE a fost deja efectuat pentru RO1"}));
    EXPECT_TRUE(notApplied().empty());
    EXPECT_EQ(value("RO1", "SELECT count(*) FROM t"), "2");
    EXPECT_EQ(column("RO1", "SELECT executat FROM logupdate"), (std::vector<std::string>{"Y"}));
}

TEST_P(StatementLogTest, ANewReleaseRunsOnlyWhatHasNotTakenEffect) {
    createCompany("RO1");
    pass("RO1");
    form.mesajeMM.Lines.Clear();
    form.versiuneUpdateLL.SetCaption("Update la versiunea urmatoare");
    pass("RO1");

    EXPECT_EQ(value("RO1", "SELECT count(*) FROM tarziu"), "1");
    EXPECT_EQ(value("RO1", "SELECT count(*) FROM t"), "2");
    // Everything else is refused at its record; the re-run row runs again.
    EXPECT_EQ(notApplied(), (std::vector<std::string>{"CREATE TABLE istoric (id SERIAL, nota text)",
                                                      "CREATE TABLE t (n integer)", "INSERT INTO t VALUES (1)",
                                                      "INSERT INTO t VALUES (1)", "INSERT INTO t VALUES  (1)",
                                                      "INSERT INTO lipsa VALUES (1)",
                                                      "CREATE TABLE tarziu (n integer)"}));
    EXPECT_EQ(column("RO1", "SELECT executat FROM logupdate ORDER BY idlogupdate"),
              (std::vector<std::string>{"Y", "Y"}));
}

TEST_P(StatementLogTest, ADatabaseWithoutAStatementLogGetsOne) {
    createCompany("RO2", false);
    pass("RO2");
    EXPECT_EQ(value("RO2", "SELECT count(*) FROM t"), "2");
    EXPECT_EQ(value("RO2", "SELECT has_table_privilege('gruppreluare', 'frazeupgrade', 'INSERT')"), "t");
}

TEST_P(StatementLogTest, AnInterruptedPassIsClosedAndPassedAgain) {
    createCompany("RO1");
    cluster.execute("db1", "SET ROLE demo; CREATE TABLE logupdate (idlogupdate SERIAL, versiuneUpdate "
                           "VARCHAR(254) NOT NULL, momentstart TIMESTAMP NOT NULL DEFAULT current_timestamp, momentend "
                           "TIMESTAMP, modul VARCHAR(100) NOT NULL, descriere TEXT NOT NULL, executat VARCHAR(1));"
                           "INSERT INTO logupdate (versiuneUpdate, modul, descriere, momentstart) VALUES ('" +
                               kLabel + "', 'Velantrix', 'update', now() - interval '1 hour')");
    pass("RO1");
    EXPECT_EQ(value("RO1", "SELECT count(*) FROM t"), "2");
    EXPECT_EQ(column("RO1", "SELECT executat FROM logupdate ORDER BY idlogupdate"),
              (std::vector<std::string>{"N", "Y"}));
    EXPECT_EQ(value("RO1", "SELECT count(*) FROM logupdate WHERE momentend IS NULL"), "0");
}

TEST_P(StatementLogTest, AnotherUpdaterAtWorkMakesThePassRefuse) {
    createCompany("RO1");
    pass("RO1");  // creates logupdate
    form.versiuneUpdateLL.SetCaption("Update la versiunea urmatoare");
    // Another updater holds the database: its pass is open and its lock held.
    const std::string conninfo =
        "host=127.0.0.1 port=" + std::to_string(cluster.port()) + " dbname=db1 user=demo password=lynx";
    PGconn* other = PQconnectdb(conninfo.c_str());
    ASSERT_EQ(PQstatus(other), CONNECTION_OK);
    PQclear(PQexec(other, "SELECT pg_advisory_lock(7381942051)"));
    PQclear(PQexec(other, "INSERT INTO logupdate (versiuneUpdate, modul, descriere) VALUES "
                          "('Update la versiunea urmatoare', 'Velantrix', 'update')"));
    pass("RO1");
    PQfinish(other);

    EXPECT_EQ(form.executateMM.Lines.lines().back(), "UPDATE a fost deja efectuat pentru RO1");
    EXPECT_EQ(value("RO1", "SELECT count(*) FROM tarziu"), "0");
    // As before: the refusal stamps the open pass 'N'.
    EXPECT_EQ(column("RO1", "SELECT executat FROM logupdate ORDER BY idlogupdate"),
              (std::vector<std::string>{"Y", "N"}));
}

TEST_P(StatementLogTest, AConnectionLostMidPassEndsTheRunAndTheNextRunCompletesIt) {
    createCompany("RO1");
    cluster.execute("db1", "SET ROLE demo; CREATE SEQUENCE o_data; CREATE TABLE efect (n integer)");
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t{"SELECT 1"};
        for (int i = 1; i <= 300; ++i) {
            t.push_back("INSERT INTO efect VALUES (" + std::to_string(i) + ")");
            // The first time through, the server ends the session here.
            if (i == 150)
                t.push_back("SELECT CASE WHEN nextval('o_data') = 1 THEN pg_terminate_backend(pg_backend_pid()) END");
        }
        return t;
    }();
    windows.utility.useStatements(std::vector<std::string_view>(texts.begin(), texts.end()));

    ASSERT_TRUE(open("RO1"));
    EXPECT_ANY_THROW(form.actualizeazaBaza("RO1"));
    EXPECT_EQ(value("RO1", "SELECT count(*) FROM logupdate WHERE executat IS NULL"), "1");

    pass("RO1");
    EXPECT_EQ(value("RO1", "SELECT count(*) FROM efect"), "300");
    EXPECT_EQ(value("RO1", "SELECT count(DISTINCT n) FROM efect"), "300");
    EXPECT_EQ(column("RO1", "SELECT executat FROM logupdate ORDER BY idlogupdate"),
              (std::vector<std::string>{"N", "Y"}));
}

TEST_P(StatementLogTest, ARowThatRemovesARecordMakesThatRowRunAgainInTheSamePass) {
    static const std::vector<std::string_view> script = {
        "SELECT 1",
        "CREATE TABLE r (n integer)",
        "DELETE FROM frazeupgrade WHERE fraza = 'INSERT INTO r VALUES (1)'",
        "INSERT INTO r VALUES (1)",
    };
    windows.utility.useStatements(script);
    createCompany("RO1");
    pass("RO1");
    form.versiuneUpdateLL.SetCaption("Update la versiunea urmatoare");
    pass("RO1");
    EXPECT_EQ(value("RO1", "SELECT count(*) FROM r"), "2");
}

INSTANTIATE_TEST_SUITE_P(BothLoops, StatementLogTest,
                         ::testing::Values(engine::LoopMode::Pipeline, engine::LoopMode::OneByOne),
                         [](const auto& info) {
                             return info.param == engine::LoopMode::Pipeline ? "Pipeline" : "OneByOne";
                         });

// The two loops leave the same statement log, pass log and report, row for row.
TEST_F(EngineTest, BothLoopsLeaveTheSameOutcome) {
    windows.utility.useStatements(kScript);
    struct Outcome {
        std::vector<std::string> notApplied, log, passes, data;
    };
    auto run = [&](const std::string& entry, engine::LoopMode mode) {
        engine::setLoopMode(mode);
        createCompany(entry);
        form.mesajeMM.Lines.Clear();
        form.versiuneUpdateLL.SetCaption(kLabel);
        pass(entry);
        form.versiuneUpdateLL.SetCaption("Update la versiunea urmatoare");
        pass(entry);
        return Outcome{notApplied(), column(entry, "SELECT fraza FROM frazeupgrade ORDER BY fraza"),
                       column(entry, "SELECT versiuneUpdate || executat FROM logupdate ORDER BY idlogupdate"),
                       column(entry, "SELECT n::text FROM t UNION ALL SELECT 'tarziu' || n FROM tarziu")};
    };
    Outcome pipelined = run("RO31", engine::LoopMode::Pipeline);
    Outcome oneByOne = run("RO32", engine::LoopMode::OneByOne);
    EXPECT_EQ(pipelined.notApplied, oneByOne.notApplied);
    EXPECT_EQ(pipelined.log, oneByOne.log);
    EXPECT_EQ(pipelined.passes, oneByOne.passes);
    EXPECT_EQ(pipelined.data, oneByOne.data);
}

}  // namespace
