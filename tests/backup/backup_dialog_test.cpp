// The backup dialog against the test cluster with the real dump tool.
#include <sys/time.h>

#include <chrono>
#include <ctime>
#include <regex>
#include <thread>

#include "platform/registry/registry.h"
#include "platform/system/system.h"
#include "tests/backup/backup_fixture.h"

namespace backuptest {
namespace {

std::string timestamp(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d-%H-%M-%S", &local);
    return text;
}

TEST_F(BackupTest, StartsWithItsComponentsAndStates) {
    EXPECT_EQ(dialog.Name(), "backupDatabaseFM");
    EXPECT_EQ(dialog.Caption(), "Backup baza de date");
    EXPECT_EQ(dialog.clientWidth, 833);
    EXPECT_EQ(dialog.clientHeight, 529);
    EXPECT_TRUE(dialog.centred);
    EXPECT_EQ(dialog.Label1.Caption(), "Selectati calea spre fisierul pg_dump.exe");
    EXPECT_EQ(dialog.Label6.Caption(), "Lista firme");
    EXPECT_EQ(dialog.Label2.Caption(), "Rezultatul operatiunii de salvare a bazei de date");
    EXPECT_EQ(dialog.BitBtn1.Caption(), "Salveaza baza de date (backup)");
    EXPECT_EQ(dialog.cmdBB.Caption(), "Deschide command prompt");
    EXPECT_EQ(dialog.BitBtn2.Caption(), "IESIRE");
    EXPECT_EQ(dialog.OpenDialog1.filterDescription, "dump file");
    EXPECT_EQ(dialog.OpenDialog1.filterPattern, "pg_dump");
    EXPECT_EQ(dialog.font, (ui::Font{"MS Sans Serif", -11, true, ui::kNavy}));
    EXPECT_EQ(dialog.Label1.font, dialog.font);
    EXPECT_EQ(dialog.bazaCB.font, (ui::Font{"MS Sans Serif", -11, false, ui::kNavy}));
    EXPECT_EQ(dialog.Label3.font, (ui::Font{"MS Sans Serif", -11, true, ui::kRed}));
    EXPECT_TRUE(dialog.Label3.wordWrap);
    EXPECT_EQ(dialog.rezultatMM.font, (ui::Font{"MS Sans Serif", -11, true, ui::kRed}));
    EXPECT_TRUE(dialog.rezultatMM.verticalScrollBar);
    EXPECT_FALSE(dialog.rezultatMM.wordWrap);
    EXPECT_TRUE(dialog.rezultatMM.readOnly);
    EXPECT_TRUE(dialog.rezultatMM.Lines.lines().empty());
    EXPECT_FALSE(dialog.cmdBB.Visible());
    EXPECT_TRUE(dialog.fisierBackup.empty());
    EXPECT_TRUE(dialog.comandaDump.empty());
    // A fresh dialog proposes this machine's dump tool.
    TbackupDatabaseFM fresh;
    EXPECT_EQ(fresh.caleFisierDumpEB.Text(), backup::defaultDumpToolPath().string());
}

TEST_F(BackupTest, ShowingClosesAndRepointsTheMainConnectionAndKeepsTheLastReport) {
    addCompany("RO123456");
    form.bazaDB.Params.Set(0, "DATABASE NAME=db123456");
    form.bazaDB.Params.Set(1, "ODBC DSN=db123456PGSQLDSN");
    form.bazaDB.Open();
    dialog.cmdBB.SetVisible(true);
    dialog.rezultatMM.Lines.Add("raportul anterior");
    dialog.caleFisierDumpEB.SetText("/ultima/cale/pg_dump");

    open();
    EXPECT_EQ(app.modal, (std::vector<std::string>{"backupDatabaseFM"}));
    EXPECT_FALSE(form.bazaDB.Connected());
    EXPECT_EQ(form.bazaCurenta, "db0000000");
    EXPECT_EQ(form.bazaDB.Params[0], "DATABASE NAME=db0000000");
    EXPECT_EQ(form.bazaDB.Params[1], "ODBC DSN=db0000000PGSQLDSN");
    EXPECT_EQ(dialog.bazaCB.Items(), (std::vector<std::string>{"RO123456"}));
    EXPECT_EQ(dialog.bazaCB.Text(), "RO123456");
    EXPECT_FALSE(dialog.cmdBB.Visible());
    EXPECT_EQ(report(), (std::vector<std::string>{"raportul anterior"}));
    EXPECT_EQ(dialog.caleFisierDumpEB.Text(), "/ultima/cale/pg_dump");
    EXPECT_TRUE(app.boxes.empty());

    dialog.BitBtn2.Click();
    EXPECT_TRUE(dialog.closed());
}

TEST_F(BackupTest, SavesTheSelectedCompanyIntoAFileThatRestores) {
    addCompany("RO123456");
    writeRegister({"RO777"});  // listed, not selected: never dumped
    open();
    select("RO123456");
    dialog.rezultatMM.Lines.Add("raportul anterior");
    const std::time_t before = std::time(nullptr);
    dialog.BitBtn1.Click();
    const std::time_t after = std::time(nullptr);

    EXPECT_TRUE(app.boxes.empty());
    std::set<std::string> names;
    for (std::time_t t = before; t <= after; ++t) names.insert("db123456_backup_" + timestamp(t));
    EXPECT_TRUE(names.count(dialog.fisierBackup)) << dialog.fisierBackup;
    EXPECT_EQ(report(), (std::vector<std::string>{successReport("db123456")}));
    EXPECT_EQ(work.names(), (std::set<std::string>{dialog.fisierBackup}));
    EXPECT_EQ(dialog.comandaDump, backup::shellQuote(pgDump) + " -h 127.0.0.1 -p " + port +
                                      " -U demo db123456 > " + dialog.fisierBackup);
    EXPECT_FALSE(dialog.cmdBB.Visible());

    cluster.dropDatabase("restaurat");
    cluster.createDatabase("restaurat", "postgres");
    sys::RunOptions quiet;
    quiet.standardOutput = tools.path() / "psql.out";
    quiet.standardError = tools.path() / "psql.err";
    const sys::RunResult restore =
        sys::run({cluster.binDir() + "/psql", "-X", "-q", "-v", "ON_ERROR_STOP=1", "-h", cluster.host(), "-p", port,
                  "-U", "postgres", "-d", "restaurat", "-f", (work.path() / dialog.fisierBackup).string()},
                 quiet);
    ASSERT_EQ(restore.exitStatus, 0) << readFile(tools.path() / "psql.err");
    EXPECT_EQ(cluster.query("restaurat", "SELECT numar, total, pg_get_userbyid(relowner) FROM facturi, pg_class "
                                         "WHERE relname = 'facturi' ORDER BY idfacturi"),
              (std::vector<std::vector<std::string>>{{"F1", "100.50", "demo"}, {"F2", "20.00", "demo"}}));
    cluster.dropDatabase("restaurat");
}

struct FailureCase {
    const char* name;
    const char* entry;
    bool createDatabase;
    const char* password;
    const char* toolMessage;  // what the dump tool says on its standard error
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class BackupFailure : public BackupTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(BackupFailure, LeavesNoBackupButTheFailedCommandAndTheTroubleshootingSteps) {
    const FailureCase& c = GetParam();
    if (c.createDatabase) {
        addCompany(c.entry);
    } else {
        writeRegister({c.entry});
        cluster.dropDatabase(companies::numeBaza(c.entry));
        testsupport::writeDataSource(companies::numeSursaDate(c.entry), companies::numeBaza(c.entry));
    }
    form.parolaNouaEB.SetText(c.password);
    open();
    const auto started = std::chrono::steady_clock::now();
    testing::internal::CaptureStderr();
    dialog.BitBtn1.Click();
    const std::string errors = testing::internal::GetCapturedStderr();
    // Nothing waits for a password that nobody can type.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));

    const std::string db = companies::numeBaza(c.entry);
    EXPECT_EQ(report(), failureReport(db));
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].text, "Baza de date nu a fost salvata! ");
    EXPECT_EQ(app.boxes[0].caption, "ATENTIONARE");
    EXPECT_EQ(app.boxes[0].flags, 0);
    EXPECT_TRUE(dialog.cmdBB.Visible());
    EXPECT_EQ(work.names(), (std::set<std::string>{"err.err"}));
    EXPECT_EQ(readFile(work.path() / "err.err"), dialog.comandaDump);
    EXPECT_NE(errors.find("EXEC: exit status 1\n"), std::string::npos) << errors;
    EXPECT_NE(errors.find(c.toolMessage), std::string::npos) << errors;
    if (*c.password) {
        EXPECT_EQ(dialog.comandaDump.find(c.password), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BackupFailure,
    ::testing::Values(FailureCase{"WrongPassword", "RO123456", true, "gresita", "password authentication failed"},
                      FailureCase{"NoPassword", "RO123456", true, "", "no password supplied"},
                      FailureCase{"UnknownDatabase", "RO404", false, "lynx", "\"db404\" does not exist"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BackupTest, AMissingDumpToolStopsBeforeAnyCommand) {
    addCompany("RO123456");
    open();
    for (const std::string& path : {std::string("/nu/exista/pg_dump"), tools.path().string(), std::string()}) {
        SCOPED_TRACE(path);
        app.boxes.clear();
        dialog.rezultatMM.Lines.Add("raportul anterior");
        dialog.caleFisierDumpEB.SetText(path);
        dialog.BitBtn1.SetFocus();
        dialog.BitBtn1.Click();
        EXPECT_TRUE(report().empty());
        ASSERT_EQ(app.boxes.size(), 1u);
        EXPECT_EQ(app.boxes[0].text,
                  "Atentie! Fisierul pg_dump.exe nu se gaseste la locatia specificata.\r\nSelectati calea corecta "
                  "spre fisierul pg_dump.exe ");
        EXPECT_EQ(app.boxes[0].caption, "ATENTIONARE");
        EXPECT_EQ(app.boxes[0].flags, 48);
        EXPECT_TRUE(dialog.caleFisierDumpEB.Focused());
        EXPECT_TRUE(dialog.comandaDump.empty());
        EXPECT_FALSE(dialog.cmdBB.Visible());
        EXPECT_TRUE(work.names().empty());
    }
}

TEST_F(BackupTest, AnEmptyCompanyListOnlyClearsTheReport) {
    const fs::path tool = tools.script("pg_dump", "echo called >> \"" + (tools.path() / "calls").string() + "\"\n");
    open();
    ASSERT_EQ(dialog.bazaCB.Count(), 0);
    dialog.caleFisierDumpEB.SetText(tool.string());
    dialog.rezultatMM.Lines.Add("raportul anterior");
    dialog.BitBtn1.Click();
    EXPECT_TRUE(report().empty());
    EXPECT_TRUE(app.boxes.empty());
    EXPECT_FALSE(fs::exists(tools.path() / "calls"));
    EXPECT_TRUE(work.names().empty());
    EXPECT_TRUE(dialog.fisierBackup.empty());
}

// The user name reaches the server as one argument, whatever it holds; the
// command shown to the operator does the same when pasted into a shell.
TEST_F(BackupTest, AUserNameWithBlanksAndShellCharactersIsOneArgument) {
    addCompany("RO123456");
    const std::string user = "o'x & touch pwned; $(touch pwned2) `touch pwned3` \"q";
    std::string quotedIdentifier = "\"";
    for (char ch : user) quotedIdentifier += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    quotedIdentifier += "\"";
    cluster.execute("postgres", "DROP ROLE IF EXISTS " + quotedIdentifier + "; CREATE ROLE " + quotedIdentifier +
                                    " LOGIN PASSWORD 'lynx' IN ROLE demo");
    for (const bool roleExists : {true, false}) {
        SCOPED_TRACE(roleExists);
        if (!roleExists) cluster.execute("postgres", "DROP ROLE " + quotedIdentifier);
        form.utilizatorEB.SetText(user);
        app.boxes.clear();
        fs::remove(work.path() / "err.err");
        open();
        testing::internal::CaptureStderr();
        dialog.BitBtn1.Click();
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_NE(dialog.comandaDump.find(" -U " + backup::shellQuote(user) + " db123456 > "), std::string::npos)
            << dialog.comandaDump;
        if (roleExists) {
            EXPECT_EQ(report(), (std::vector<std::string>{successReport("db123456")})) << errors;
            EXPECT_TRUE(backup::dumpComplete(work.path() / dialog.fisierBackup));
        } else {
            EXPECT_EQ(report(), failureReport("db123456"));
            EXPECT_NE(errors.find("password authentication failed for user \"" + user + "\""), std::string::npos)
                << errors;
        }
        for (const char* planted : {"pwned", "pwned2", "pwned3"}) EXPECT_FALSE(fs::exists(work.path() / planted));

        // The operator's way: the command typed into a shell.
        fs::remove(work.path() / dialog.fisierBackup);
        sys::RunOptions options;
        options.environment = {{"PGPASSWORD", "lynx"}};
        options.standardError = tools.path() / "shell.err";
        const sys::RunResult typed = sys::run({"/bin/sh", "-c", dialog.comandaDump}, options);
        EXPECT_EQ(typed.exitStatus, roleExists ? 0 : 1) << readFile(tools.path() / "shell.err");
        EXPECT_EQ(backup::dumpComplete(work.path() / dialog.fisierBackup), roleExists);
        for (const char* planted : {"pwned", "pwned2", "pwned3"}) EXPECT_FALSE(fs::exists(work.path() / planted));
        fs::remove(work.path() / dialog.fisierBackup);
    }
}

// The password travels in the environment, never on the command line, and
// the tool is told not to ask for one.
TEST_F(BackupTest, GivesThePasswordThroughTheEnvironmentAndTheDataSourcesServer) {
    addCompany("RO123456");
    const fs::path tool = tools.script(
        "pg_dump", "printf '%s\\n' \"$@\" > \"" + (tools.path() / "args").string() + "\"\nprintf '%s' \"$PGPASSWORD\" > \"" +
                       (tools.path() / "password").string() + "\"\nexit 1\n");
    form.utilizatorEB.SetText("admin firma");
    form.parolaNouaEB.SetText("  parola secreta \t");
    open();
    dialog.caleFisierDumpEB.SetText(tool.string());
    testing::internal::CaptureStderr();
    dialog.BitBtn1.Click();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(readLines(tools.path() / "args"), (std::vector<std::string>{"--no-password", "-h", "127.0.0.1", "-p", port,
                                                                          "-U", "admin firma", "db123456"}));
    // Trimmed, as every use of the typed credentials.
    EXPECT_EQ(readFile(tools.path() / "password"), "parola secreta");
    EXPECT_EQ(dialog.comandaDump, tool.string() + " -h 127.0.0.1 -p " + port + " -U 'admin firma' db123456 > " +
                                      dialog.fisierBackup);

    // A record without server and port leaves the tool its own defaults.
    {
        reg::Registry registry(reg::RootKey::LocalMachine);
        ASSERT_TRUE(registry.OpenKey("Software\\ODBC\\ODBC.INI\\db123456PGSQLDSN", false));
        registry.DeleteValue("Servername");
        registry.DeleteValue("Port");
        registry.CloseKey();
    }
    testing::internal::CaptureStderr();
    dialog.BitBtn1.Click();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(readLines(tools.path() / "args"),
              (std::vector<std::string>{"--no-password", "-U", "admin firma", "db123456"}));
    EXPECT_EQ(dialog.comandaDump, tool.string() + " -U 'admin firma' db123456 > " + dialog.fisierBackup);
}

TEST_F(BackupTest, AnEmptyPasswordFieldLeavesAPasswordFileInForce) {
    addCompany("RO123456");
    const fs::path passfile = tools.path() / "pgpass";
    std::ofstream(passfile) << "127.0.0.1:" << port << ":*:demo:lynx\n";
    fs::permissions(passfile, fs::perms::owner_read | fs::perms::owner_write);
    setenv("PGPASSFILE", passfile.c_str(), 1);
    setenv("PGPASSWORD", "gresita", 1);  // the field, empty, is what counts
    form.parolaNouaEB.SetText("");
    open();
    testing::internal::CaptureStderr();
    dialog.BitBtn1.Click();
    const std::string errors = testing::internal::GetCapturedStderr();
    unsetenv("PGPASSFILE");
    unsetenv("PGPASSWORD");
    EXPECT_EQ(report(), (std::vector<std::string>{successReport("db123456")})) << errors;
}

// Exit status 0 alone does not make a backup: the output must be complete.
TEST_F(BackupTest, KeepsOnlyACompleteDumpWithStatusZero) {
    addCompany("RO123456");
    struct Case {
        const char* name;
        const char* body;
        bool saved;
    };
    const Case cases[] = {
        {"complete", "printf -- '-- PostgreSQL database dump\\n\\n--\\n-- PostgreSQL database dump complete\\n--\\n\\n'\n",
         true},
        {"cut short", "printf -- '-- PostgreSQL database dump\\n\\nCOPY public.facturi (idfacturi'\n", false},
        {"complete but failed",
         "printf -- '--\\n-- PostgreSQL database dump complete\\n--\\n\\n'\nexit 1\n", false},
        {"killed", "printf -- '-- PostgreSQL database dump\\n'\nkill -9 $$\n", false},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.boxes.clear();
        fs::remove(work.path() / "err.err");
        dialog.caleFisierDumpEB.SetText(tools.script("pg_dump", c.body).string());
        testing::internal::CaptureStderr();
        dialog.BitBtn1.Click();
        const std::string errors = testing::internal::GetCapturedStderr();
        if (c.saved) {
            EXPECT_EQ(report(), (std::vector<std::string>{successReport("db123456")}));
            EXPECT_EQ(work.names(), (std::set<std::string>{dialog.fisierBackup}));
            fs::remove(work.path() / dialog.fisierBackup);
        } else {
            EXPECT_EQ(report(), failureReport("db123456"));
            EXPECT_EQ(work.names(), (std::set<std::string>{"err.err"}));
            EXPECT_NE(errors.find("EXEC: "), std::string::npos);
            EXPECT_EQ(app.boxes.size(), 1u);
        }
    }
}

TEST_F(BackupTest, TwoBackupsInOneSecondShareTheNameAndTheSecondReplacesTheFirst) {
    addCompany("RO123456");
    open();
    for (int attempt = 0; attempt < 5; ++attempt) {
        // Start right after a second begins, so that both dumps fit in it.
        timeval now{};
        gettimeofday(&now, nullptr);
        std::this_thread::sleep_for(std::chrono::microseconds(1000000 - now.tv_usec + 10000));
        dialog.BitBtn1.Click();
        const std::string first = dialog.fisierBackup;
        std::ofstream(work.path() / first, std::ios::app) << "-- semn al primei salvari\n";
        dialog.BitBtn1.Click();
        if (dialog.fisierBackup != first) {
            for (const std::string& name : work.names()) fs::remove(work.path() / name);
            continue;
        }
        EXPECT_EQ(work.names(), (std::set<std::string>{first}));
        EXPECT_EQ(readFile(work.path() / first).find("semn al primei salvari"), std::string::npos);
        EXPECT_TRUE(backup::dumpComplete(work.path() / first));
        EXPECT_EQ(report(), (std::vector<std::string>{successReport("db123456")}));
        return;
    }
    GTEST_SKIP() << "no two dumps fitted in one second on this machine";
}

class CommandWindow : public BackupTest {
protected:
    void SetUp() override {
        BackupTest::SetUp();
        previousPath_ = std::getenv("PATH");
    }
    void TearDown() override { setenv("PATH", previousPath_.c_str(), 1); }
    // A stand-in terminal that records its arguments and runs the program
    // it is given without input, so that the shell at the end returns.
    fs::path fakeTerminal(const fs::path& folder, const std::string& name) {
        fs::create_directories(folder);
        const fs::path file = folder / name;
        std::ofstream(file) << "#!/bin/sh\nprintf '%s\\n' \"$1\" > \"" << (tools.path() / "flag").string()
                            << "\"\nshift\n\"$@\" < /dev/null > \"" << (tools.path() / "screen").string()
                            << "\" 2>/dev/null\n";
        fs::permissions(file, fs::perms::owner_all);
        return file;
    }
    void failOnce() {
        addCompany("RO123456");
        form.parolaNouaEB.SetText("gresita");
        open();
        testing::internal::CaptureStderr();
        dialog.BitBtn1.Click();
        testing::internal::GetCapturedStderr();
        ASSERT_TRUE(dialog.cmdBB.Visible());
        app.boxes.clear();
    }
    std::vector<std::string> instructions() const {
        return {"Executati instructiunile urmatoare ",
                "------------------------------------",
                "1 - scrieti comanda dintre ghilimele ",
                "\" " + dialog.comandaDump + " \" ",
                "2 - apasati tasta ENTER ",
                "3 - introduceti parola cu care intrati in aplicatia Velantrix ",
                "3 - daca nu a aparut nici un mesaj pe ecran inseamna ca salvarea bazei de date s-a efectuat OK ",
                "    puteti sa inchideti aceasta fereastra ",
                "    daca au aparut mesaje pe ecran inseamna ca nu ati tastat corect calea se fisierul pg_dump.exe . "
                "Verificati acest lucru si reincercati. "};
    }
    std::string previousPath_;
};

TEST_F(CommandWindow, OpensATerminalWithTheInstructionsAndTheQuotedCommand) {
    failOnce();
    const fs::path bin = tools.path() / "bin";
    fakeTerminal(bin, "xterm");
    setenv("PATH", bin.c_str(), 1);
    dialog.cmdBB.Click();
    EXPECT_TRUE(app.boxes.empty());
    EXPECT_EQ(readLines(tools.path() / "flag"), (std::vector<std::string>{"-e"}));
    std::vector<std::string> screen = readLines(tools.path() / "screen");
    ASSERT_GE(screen.size(), 9u);
    screen.resize(9);
    EXPECT_EQ(screen, instructions());
}

TEST_F(CommandWindow, TakesTheFirstTerminalOfThePlatformAndItsWayOfRunningAProgram) {
    const std::pair<const char*, const char*> terminals[] = {
        {"x-terminal-emulator", "-e"}, {"gnome-terminal", "--"}, {"konsole", "-e"}, {"xfce4-terminal", "-x"}, {"xterm", "-e"}};
    // Each one alone, and each one found before all those after it.
    for (std::size_t i = 0; i < std::size(terminals); ++i) {
        SCOPED_TRACE(terminals[i].first);
        const fs::path alone = tools.path() / ("alone" + std::to_string(i));
        const fs::path all = tools.path() / ("from" + std::to_string(i));
        fakeTerminal(alone, terminals[i].first);
        for (std::size_t j = i; j < std::size(terminals); ++j) fakeTerminal(all, terminals[j].first);
        for (const fs::path& folder : {alone, all}) {
            setenv("PATH", ("/nonexistent:" + folder.string()).c_str(), 1);
            EXPECT_EQ(backup::findTerminal(), (folder / terminals[i].first).string());
            fs::remove(tools.path() / "flag");
            dialog.cmdBB.Click();
            EXPECT_EQ(readLines(tools.path() / "flag"), (std::vector<std::string>{terminals[i].second}));
        }
    }
}

TEST_F(CommandWindow, ShowsTheInstructionsInAMessageBoxWithoutATerminal) {
    failOnce();
    setenv("PATH", tools.path().c_str(), 1);
    dialog.cmdBB.Click();
    ASSERT_EQ(app.boxes.size(), 1u);
    std::string text;
    for (const std::string& line : instructions()) text += (text.empty() ? "" : "\r\n") + line;
    EXPECT_EQ(app.boxes[0].text, text);
    EXPECT_EQ(app.boxes[0].caption, "Backup baza de date");
    EXPECT_EQ(app.boxes[0].flags, 0);
    EXPECT_EQ(work.names(), (std::set<std::string>{"err.err"}));
}

}  // namespace
}  // namespace backuptest
