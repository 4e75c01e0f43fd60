// velantrix-update --backup: the dialog's logic on a terminal.
#include "platform/system/system.h"
#include "tests/backup/backup_fixture.h"

namespace backuptest {
namespace {

class ConsoleBackup : public BackupTest {
protected:
    struct Outcome {
        int status;
        std::vector<std::string> out;
        std::string err;
    };
    Outcome run(const std::vector<std::string>& args, const std::string& password = "",
                const std::string& input = "") {
        std::vector<std::string> argv{VELANTRIX_UPDATE_EXE};
        argv.insert(argv.end(), args.begin(), args.end());
        if (!input.empty()) {
            std::ofstream(tools.path() / "stdin") << input;
            std::string line = "exec";
            for (const std::string& arg : argv) line += " " + backup::shellQuote(arg);
            argv = {"/bin/sh", "-c", line + " < " + backup::shellQuote((tools.path() / "stdin").string())};
        }
        sys::RunOptions options;
        options.environment = {{"PGPASSWORD", password}};
        options.standardOutput = tools.path() / "out";
        options.standardError = tools.path() / "err";
        const sys::RunResult result = sys::run(argv, options);
        return {result.exitStatus, readLines(tools.path() / "out"), readFile(tools.path() / "err")};
    }
    std::vector<std::string> successLines(const std::string& file) const {
        return {"Salvarea bazei de date db123456 s-a efectuat cu SUCCES!",
                "S-a creat fisierul '" + file + "' in directorul '" + work.path().string() + "'"};
    }
    // The one backup file in the work folder.
    std::string backupFile() const {
        std::set<std::string> names = work.names();
        return names.size() == 1 ? *names.begin() : std::string("?");
    }
};

TEST_F(ConsoleBackup, SavesOneCompanyWithThePasswordFromTheEnvironmentOrStandardInput) {
    addCompany("RO123456");
    writeRegister({"RO1"});
    Outcome saved = run({"--console", "--backup", "RO123456", "--user", "demo", "--pg-dump", pgDump}, "lynx");
    EXPECT_EQ(saved.status, 0) << saved.err;
    const std::string file = backupFile();
    EXPECT_EQ(saved.out, successLines(file));
    EXPECT_TRUE(backup::dumpComplete(work.path() / file));
    fs::remove(work.path() / file);

    saved = run({"--backup=RO123456", "--user=demo", "--pg-dump=" + pgDump, "--password-stdin"}, "gresita", "lynx\n");
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, successLines(backupFile()));
}

TEST_F(ConsoleBackup, ReportsAFailedDumpWithTheDialogsLinesAndMessages) {
    addCompany("RO123456");
    const Outcome failed = run({"--console", "--backup", "RO123456", "--user", "demo", "--pg-dump", pgDump}, "gresita");
    EXPECT_EQ(failed.status, 1);
    const std::string command = readFile(work.path() / "err.err");
    EXPECT_EQ(work.names(), (std::set<std::string>{"err.err"}));
    dialog.comandaDump = command;
    std::vector<std::string> expected = failureReport("db123456");
    EXPECT_EQ(failed.out, expected);
    EXPECT_NE(failed.err.find("EXEC: exit status 1\n"), std::string::npos) << failed.err;
    EXPECT_NE(failed.err.find("ATENTIONARE: Baza de date nu a fost salvata! \n"), std::string::npos) << failed.err;
    EXPECT_EQ(command.find("gresita"), std::string::npos);
}

TEST_F(ConsoleBackup, RefusesWhatTheDialogRefuses) {
    addCompany("RO123456");
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {"no user", {"--backup", "RO123456"}, 2, "--backup needs --user"},
        {"a blank user", {"--backup", "RO123456", "--user", "  "}, 1, "Atentionare: Nu ati preluat utilizatorul\n"},
        {"no such company", {"--backup", "RO999", "--user", "demo"}, 1, "'RO999' is not in the company register"},
        {"no dump tool", {"--backup", "RO123456", "--user", "demo", "--pg-dump", "/nu/exista/pg_dump"}, 1,
         "ATENTIONARE: Atentie! Fisierul pg_dump.exe nu se gaseste la locatia specificata.\n"
         "Selectati calea corecta spre fisierul pg_dump.exe \n"},
        {"backup options alone", {"--user", "demo"}, 2, "go with --backup"},
        {"a value missing", {"--backup"}, 2, "--backup needs a value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome refused = run(c.args, "lynx");
        EXPECT_EQ(refused.status, c.status);
        EXPECT_NE(refused.err.find(c.message), std::string::npos) << refused.err;
        EXPECT_TRUE(refused.out.empty());
        EXPECT_TRUE(work.names().empty());
    }
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    std::string text;
    for (const std::string& line : help.out) text += line + "\n";
    for (const char* option : {"--backup ENTRY", "--user NAME", "--pg-dump PATH", "--password-stdin", "PGPASSWORD"})
        EXPECT_NE(text.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace backuptest
