#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "companies/legacy_rename.h"
#include "companies/odbc_dsn.h"
#include "tests/legacy/legacy_fixture.h"
#include "tests/support/test_cluster.h"

namespace {

using namespace legacytest;

const std::string kRenameError =
    "A aparut o eroare la redenumirea bazei de date Velantrix!\r\nActualizarea NU S-A EFECTUAT! ";

// A data source record that leads nowhere: nothing listens on port 1.
void writeDeadDataSource(const std::string& dsn) {
    reg::Registry registry(reg::RootKey::LocalMachine);
    ASSERT_TRUE(registry.OpenKey("Software\\ODBC\\ODBC.INI\\" + dsn, true));
    registry.WriteString("Servername", "127.0.0.1");
    registry.WriteString("Port", "1");
}

// The legacy database "velantrix" (with a table that shows it is the same
// database after the rename), its data source record, and a bystander
// database "db2" that no statement may touch.
class LegacyRenameTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& row : cluster.query(
                 "postgres", "SELECT datname FROM pg_database WHERE datname NOT IN ('postgres', 'template0', 'template1')"))
            cluster.dropDatabase(row[0]);
        cluster.createDatabase("velantrix");
        cluster.execute("velantrix", "CREATE TABLE semn (text text); INSERT INTO semn VALUES ('din velantrix')");
        cluster.createDatabase("db2");
        testsupport::writeDataSource("velantrixPGSQLDSN", "velantrix");
    }

    // The company databases on the server, sorted.
    std::vector<std::string> databases() const {
        std::vector<std::string> names;
        for (const auto& row : cluster.query("postgres",
                                             "SELECT datname FROM pg_database WHERE datname NOT IN "
                                             "('postgres', 'template0', 'template1') ORDER BY datname COLLATE \"C\""))
            names.push_back(row[0]);
        return names;
    }

    // What the update run does before the rename: the connection test on
    // the legacy database.
    void connectLegacy() {
        form.bazaDB.Close();
        form.bazaDB.Params.Delete(0);
        form.bazaDB.Params.Insert(0, "DATABASE NAME=velantrix");
        form.bazaDB.Params.Set(1, "ODBC DSN=velantrixPGSQLDSN");
        ASSERT_TRUE(form.conecteazaFirma("velantrix"));
    }

    std::vector<std::string> boxCaptions() const {
        std::vector<std::string> captions;
        for (const auto& box : app.boxes) captions.push_back(box.caption);
        return captions;
    }

    testsupport::TestCluster& cluster = testsupport::TestCluster::get();
    testsupport::TempRegistryStore store;
    FakeApplication app;
    Windows<TForm1> windows;
    TForm1& form = windows.form1;
};

struct RenameCase {
    const char* what;
    std::vector<std::string> names;  // stored value names, in register order
    std::string database;            // the legacy database's new name
    std::vector<std::string> namesAfter;
    std::string dsn, recordDatabase;
    std::vector<std::string> boxes;  // captions of the message boxes shown
};

std::string reversed(std::string_view entry) { return companies::inverseaza(entry); }

const std::string kDigits61(61, '7');

const RenameCase kRenameCases[] = {
    {"first_company", {"654321OR", "0000000OR"}, "db123456", {"654321OR"}, "db123456PGSQLDSN", "db123456", {}},
    {"empty_register", {}, "db0", {}, "db0PGSQLDSN", "db0", {"Eroare 2", "Eroare 2"}},
    {"zero_entry_first", {"0000000OR", "654321OR"}, "db0000000", {"654321OR"}, "db123456PGSQLDSN", "db123456", {}},
    {"digits_with_letters", {"a21OR"}, "db12a", {"a21OR"}, "db12APGSQLDSN", "db12A", {}},
    {"no_digits", {"AMRIF"}, "db", {"AMRIF"}, "dbPGSQLDSN", "db", {}},
    {"longest_name", {kDigits61 + "OR"}, "db" + kDigits61, {kDigits61 + "OR"}, "db" + kDigits61 + "PGSQLDSN",
     "db" + kDigits61, {}},
    {"statement_in_the_entry", {reversed("RO1; DROP DATABASE db2")}, "db1; drop database db2",
     {reversed("RO1; DROP DATABASE db2")}, "db1; DROP DATABASE DB2PGSQLDSN", "db1; DROP DATABASE DB2", {}},
    {"quote_in_the_entry", {reversed("RO1\"; DROP DATABASE db2; --")}, "db1\"; drop database db2; --",
     {reversed("RO1\"; DROP DATABASE db2; --")}, "db1\"; DROP DATABASE DB2; --PGSQLDSN",
     "db1\"; DROP DATABASE DB2; --", {}},
};

void PrintTo(const RenameCase& c, std::ostream* os) { *os << c.what; }

class RenameTest : public LegacyRenameTest, public ::testing::WithParamInterface<RenameCase> {};

TEST_P(RenameTest, RenamesToTheFirstCompanyRemovesTheZeroEntryAndWritesItsDataSource) {
    const RenameCase& c = GetParam();
    writeRegisterNames(c.names);
    connectLegacy();

    form.redenumesteBazaVeche();

    // Only the rename ran: the bystander is still there.
    std::vector<std::string> expected{c.database, "db2"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(databases(), expected);
    EXPECT_EQ(cluster.query(c.database, "SELECT text FROM semn"),
              (std::vector<std::vector<std::string>>{{"din velantrix"}}));
    EXPECT_EQ(registerNames(), c.namesAfter);
    const auto written = record(c.dsn);
    ASSERT_TRUE(written);
    EXPECT_EQ(valueOf(*written, "Database"), c.recordDatabase);
    EXPECT_EQ(valueOf(*machineValues(companies::kDataSourcesListKey), c.dsn), "PostgreSQL ANSI");
    EXPECT_EQ(boxCaptions(), c.boxes);
    // Left on the maintenance database for the run to repoint.
    EXPECT_EQ(form.bazaDB.Params[0], "DATABASE NAME=postgres");
    EXPECT_EQ(form.bazaDB.Params[1], "ODBC DSN=velantrixPGSQLDSN");
    EXPECT_EQ(form.bazaDB.Params.Count(), 17);
}

INSTANTIATE_TEST_SUITE_P(Cases, RenameTest, ::testing::ValuesIn(kRenameCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(LegacyNewName, IsFoldedToLowerCaseAndMustFitTheServersLimit) {
    EXPECT_EQ(companies::numeBazaRedenumita("12A"), "db12a");
    EXPECT_EQ(companies::numeBazaRedenumita(""), "db");
    EXPECT_EQ(companies::numeBazaRedenumita(std::string(61, '1')).size(), 63u);
    EXPECT_THROW(companies::numeBazaRedenumita(std::string(62, '1')), std::invalid_argument);
    EXPECT_THROW(companies::numeBazaRedenumita(std::string("1\0", 2)), std::invalid_argument);
}

struct RefusedCase {
    const char* what;
    std::vector<std::string> names;
    std::string existing;  // a database made before the run
    bool plainRecordDead;  // the legacy data source leads nowhere, its "_IP" variant does
};

const RefusedCase kRefusedCases[] = {
    {"target_exists", {"654321OR", "0000000OR"}, "db123456", false},
    {"name_too_long", {std::string(62, '7') + "OR", "0000000OR"}, "", false},
    {"legacy_reached_only_through_ip", {"654321OR", "0000000OR"}, "", true},
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.what; }

class RefusedRenameTest : public LegacyRenameTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedRenameTest, EndsTheRunWithTheRenameErrorAndChangesNothing) {
    const RefusedCase& c = GetParam();
    if (!c.existing.empty()) cluster.createDatabase(c.existing);
    if (c.plainRecordDead) {
        writeDeadDataSource("velantrixPGSQLDSN");
        testsupport::writeDataSource("velantrixPGSQLDSN_IP", "velantrix");
    }
    writeRegisterNames(c.names);
    const auto databasesBefore = databases();
    form.Shown();
    const auto storeBefore = storeSnapshot(store.path());

    form.Activated();

    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].text, kRenameError);
    EXPECT_EQ(app.boxes[0].caption, "Eroare");
    EXPECT_EQ(app.boxes[0].flags, 16);
    EXPECT_EQ(databases(), databasesBefore);
    EXPECT_EQ(storeSnapshot(store.path()), storeBefore);
    EXPECT_TRUE(form.executateMM.Lines.lines().empty());
    EXPECT_FALSE(form.updateFinalizat);
    // The rename goes through the legacy data source itself, never "_IP".
    EXPECT_EQ(form.bazaDB.Params[1], "ODBC DSN=velantrixPGSQLDSN");
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedRenameTest, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(LegacyRenameTest, TheRenameIgnoresTheIpSuffixTheConnectionTestLeft) {
    writeRegisterNames({"654321OR"});
    testsupport::writeDataSource("velantrixPGSQLDSN_IP", "velantrix");
    connectLegacy();
    writeDeadDataSource("velantrixPGSQLDSN_IP");
    form.bazaDB.Params.Set(1, "ODBC DSN=velantrixPGSQLDSN_IP");

    form.redenumesteBazaVeche();
    EXPECT_EQ(databases(), (std::vector<std::string>{"db123456", "db2"}));
    EXPECT_TRUE(app.boxes.empty());
}

TEST_F(LegacyRenameTest, StergeFirmaZeroRemovesOnlyTheZeroEntry) {
    writeRegisterNames({"111OR", "0000000OR", "00000000OR"});
    companies::stergeFirmaZero();
    EXPECT_EQ(registerNames(), (std::vector<std::string>{"111OR", "00000000OR"}));
    companies::stergeFirmaZero();  // nothing left to delete: no error
    EXPECT_EQ(registerNames(), (std::vector<std::string>{"111OR", "00000000OR"}));
    EXPECT_TRUE(app.boxes.empty());

    // A store folder below a regular file can be neither created nor read.
    const auto blocker = store.path() / "not-a-folder";
    std::ofstream(blocker) << "x";
    setenv("VELANTRIX_REGISTRY", (blocker / "registry").c_str(), 1);
    companies::stergeFirmaZero();
    EXPECT_EQ(boxCaptions(), (std::vector<std::string>{"Eroare 1"}));
}

TEST_F(LegacyRenameTest, AWholeRunRenamesUpdatesTheCompanyAndTheNextRunFindsNoLegacyDatabase) {
    if (cluster.port() != 5432)
        GTEST_SKIP() << "port 5432 is in use on this machine, so the test cluster runs elsewhere; the data source record "
                        "that the rename writes names "
                        "localhost:5432, which a whole run must reach (test cluster on port "
                     << cluster.port() << ")";
    static constexpr std::string_view kStatements[] = {"CREATE TABLE dupaupdate (id integer)",
                                                       "INSERT INTO dupaupdate VALUES (1)"};
    windows.utility.useStatements({kStatements[0], kStatements[1]});
    writeRegisterNames({"654321OR", "0000000OR"});

    form.Shown();
    EXPECT_EQ(form.bazaCB.Items(), (std::vector<std::string>{"RO0000000", "RO123456"}));
    form.Activated();

    EXPECT_TRUE(app.boxes.empty());
    EXPECT_EQ(databases(), (std::vector<std::string>{"db123456", "db2"}));
    EXPECT_EQ(form.bazaCB.Items(), (std::vector<std::string>{"RO123456"}));
    EXPECT_EQ(cluster.query("db123456", "SELECT text FROM semn"),
              (std::vector<std::vector<std::string>>{{"din velantrix"}}));
    EXPECT_EQ(cluster.query("db123456", "SELECT id FROM dupaupdate"), (std::vector<std::vector<std::string>>{{"1"}}));
    auto lines = form.executateMM.Lines.lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "UPDATE finalizat cu SUCCES pentru RO123456"), lines.end());
    EXPECT_TRUE(form.succesToateFirmele);
    EXPECT_TRUE(form.updateFinalizat);

    const auto storeAfterFirstRun = storeSnapshot(store.path());
    form.actualizeazaVersiuneaBB.Click();
    EXPECT_TRUE(app.boxes.empty());
    EXPECT_EQ(databases(), (std::vector<std::string>{"db123456", "db2"}));
    EXPECT_EQ(storeSnapshot(store.path()), storeAfterFirstRun);
    lines = form.executateMM.Lines.lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "UPDATE a fost deja efectuat pentru RO123456"), lines.end());
    EXPECT_TRUE(form.succesToateFirmele);
}

}  // namespace
