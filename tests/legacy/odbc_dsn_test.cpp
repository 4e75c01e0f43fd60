#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "companies/odbc_dsn.h"
#include "platform/db/database.h"
#include "tests/legacy/legacy_fixture.h"

namespace {

using namespace legacytest;

const Values kExpectedRecord = {
    {"DRIVER", "C:\\Program Files\\PostgreSQL\\bin\\psqlodbc30a.dll"},
    {"Fetch", "100"},
    {"CommLog", "0"},
    {"Debug", "0"},
    {"Optimizer", "1"},
    {"Ksqo", "1"},
    {"UniqueIndex", "1"},
    {"UseDeclareFetch", "0"},
    {"UnknownSizes", "0"},
    {"TextAsLongVarchar", "1"},
    {"UnknownsAsLongVarchar", "0"},
    {"BoolsAsChar", "1"},
    {"Parse", "0"},
    {"CancelAsFreeStmt", "0"},
    {"MaxVarcharSize", "254"},
    {"MaxLongVarcharSize", "18190"},
    {"ExtraSysTablePrefixes", "dd_;"},
    {"Description", "ACTUALIZAT"},
    {"Database", "db123456"},
    {"Servername", "localhost"},
    {"Port", "5432"},
    {"Username", "demo"},
    {"UID", "demo"},
    {"Password", "lynx"},
    {"ReadOnly", "0"},
    {"ShowOidColumn", "0"},
    {"FakeOidIndex", "0"},
    {"RowVersioning", "0"},
    {"ShowSystemTables", "0"},
    {"Protocol", "7.4-1"},
    {"ConnSettings", ""},
    {"DisallowPremature", "0"},
    {"UpdatableCursors", "1"},
    {"LFConversion", "1"},
    {"TrueIsMinus1", "0"},
    {"BI", "0"},
    {"AB", "0"},
    {"ByteaAsLongVarBinary", "0"},
    {"UseServerSidePrepare", "0"},
    {"LowerCaseIdentifier", "0"},
    {"SSLmode", "disable"},
    {"XaOpt", "1"},
};

const std::string kWriteError = "A aparut o eroare la scrierea in CREAREA ODBC DSN corespunzator.";

class OdbcDsnTest : public ::testing::Test {
protected:
    testsupport::TempRegistryStore store;
    FakeApplication app;
};

TEST_F(OdbcDsnTest, WritesTheListingAndTheSettingsOfTheFirstCompany) {
    writeRegisterNames({"654321OR", "111OR"});
    companies::creeazaOdbcDsn();

    EXPECT_TRUE(app.boxes.empty());
    EXPECT_EQ(machineValues(companies::kDataSourcesListKey),
              (Values{{"db123456PGSQLDSN", "PostgreSQL ANSI"}}));
    EXPECT_EQ(record("db123456PGSQLDSN"), kExpectedRecord);
    EXPECT_EQ(record("db111PGSQLDSN"), std::nullopt);

    // Our connection layer reaches the record's database on this machine.
    db::Database connection;
    connection.Params = {"DATABASE NAME=", "ODBC DSN=db123456PGSQLDSN", "USER NAME=", "PASSWORD="};
    const db::Database::Target target = connection.ResolveTarget();
    EXPECT_EQ(target.host, "localhost");
    EXPECT_EQ(target.port, "5432");
    EXPECT_EQ(target.dbname, "db123456");
    EXPECT_EQ(target.user, "demo");
    EXPECT_EQ(target.password, "lynx");
    EXPECT_EQ(target.sslmode, "disable");
}

TEST_F(OdbcDsnTest, AnEmptyRegisterGivesTheRecordOfDb0AfterItsMessage) {
    companies::creeazaOdbcDsn();
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].caption, "Eroare 2");
    const auto written = record("db0PGSQLDSN");
    ASSERT_TRUE(written);
    EXPECT_EQ(valueOf(*written, "Database"), "db0");
    EXPECT_EQ(written->size(), kExpectedRecord.size());
}

TEST_F(OdbcDsnTest, RunningTwiceGivesTheSameRegistry) {
    writeRegisterNames({"654321OR"});
    companies::creeazaOdbcDsn();
    const auto once = storeSnapshot(store.path());
    companies::creeazaOdbcDsn();
    EXPECT_EQ(storeSnapshot(store.path()), once);
    EXPECT_TRUE(app.boxes.empty());
}

TEST_F(OdbcDsnTest, AnExistingRecordIsRewrittenAndKeepsItsOtherValues) {
    writeRegisterNames({"654321OR"});
    {
        reg::Registry registry(reg::RootKey::LocalMachine);
        ASSERT_TRUE(registry.OpenKey("Software\\ODBC\\ODBC.INI\\db123456PGSQLDSN", true));
        registry.WriteString("Servername", "server.example");
        registry.WriteString("KeepMe", "extra");
        registry.WriteString("Port", "6000");
    }
    companies::creeazaOdbcDsn();
    const auto written = record("db123456PGSQLDSN");
    ASSERT_TRUE(written);
    EXPECT_EQ(valueOf(*written, "Servername"), "localhost");
    EXPECT_EQ(valueOf(*written, "Port"), "5432");
    EXPECT_EQ(valueOf(*written, "KeepMe"), "extra");
    EXPECT_EQ(written->size(), kExpectedRecord.size() + 1);
}

TEST_F(OdbcDsnTest, RemovesOnlyTheLegacyKeyBeneathTheListing) {
    writeRegisterNames({"654321OR"});
    {
        reg::Registry registry(reg::RootKey::LocalMachine);
        ASSERT_TRUE(registry.OpenKey(companies::kDataSourcesListKey, true));
        registry.WriteString("velantrixPGSQLDSN", "PostgreSQL ANSI");
        ASSERT_TRUE(registry.CreateKey("velantrixPGSQLDSN\\below"));
        ASSERT_TRUE(registry.CreateKey("otherKey"));
        registry.CloseKey();
        ASSERT_TRUE(registry.OpenKey("Software\\ODBC\\ODBC.INI\\velantrixPGSQLDSN", true));
        registry.WriteString("Database", "velantrix");
    }
    companies::creeazaOdbcDsn();

    reg::Registry registry(reg::RootKey::LocalMachine);
    ASSERT_TRUE(registry.OpenKey(companies::kDataSourcesListKey, false));
    EXPECT_EQ(registry.GetKeyNames(), (std::vector<std::string>{"otherKey"}));
    EXPECT_EQ(registry.GetValueNames(), (std::vector<std::string>{"velantrixPGSQLDSN", "db123456PGSQLDSN"}));
    EXPECT_EQ(record("velantrixPGSQLDSN"), (Values{{"Database", "velantrix"}}));
}

TEST_F(OdbcDsnTest, AMachineRootThatCannotBeWrittenGivesOneMessageAndReturns) {
    writeRegisterNames({"654321OR"});
    // A folder where the machine root's file belongs: the register stays
    // readable, the machine root can be neither read nor written.
    std::filesystem::create_directory(store.path() / "HKEY_LOCAL_MACHINE.reg");
    companies::creeazaOdbcDsn();
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].text, kWriteError);
    EXPECT_EQ(app.boxes[0].caption, "Mesaj eroare");
    EXPECT_EQ(app.boxes[0].flags, 0);
}

TEST_F(OdbcDsnTest, AStoreThatCannotBeUsedAtAllGivesTheRegisterMessageThenTheWriteMessage) {
    const auto blocker = store.path() / "not-a-folder";
    std::ofstream(blocker) << "x";
    setenv("VELANTRIX_REGISTRY", (blocker / "registry").c_str(), 1);
    companies::creeazaOdbcDsn();
    ASSERT_EQ(app.boxes.size(), 2u);
    EXPECT_EQ(app.boxes[0].caption, "Eroare 1");
    EXPECT_EQ(app.boxes[1].text, kWriteError);
}

}  // namespace
