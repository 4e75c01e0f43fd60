// The dialog's pure helpers: short paths, shell quoting, the dump tool's
// default place and the completeness of a dump.
#include "platform/system/system.h"
#include "tests/backup/backup_fixture.h"

namespace backuptest {
namespace {

TEST(ShortPath, ShortensOnlyLongComponentsWithABlank) {
    const std::pair<const char*, const char*> cases[] = {
        {R"(C:\Program Files\PostgreSQL\8.2\bin\pg_dump.exe)", R"(C:\Progra~1\PostgreSQL\8.2\bin\pg_dump.exe)"},
        {R"(C:\Program Files (x86)\PostgreSQL\bin\pg_dump.exe)", R"(C:\Progra~1\PostgreSQL\bin\pg_dump.exe)"},
        // At most the limit, blank included: unchanged.
        {R"(C:\a b\pg_dump.exe)", R"(C:\a b\pg_dump.exe)"},
        {R"(D:\Pg Tools\pg_dump.exe)", R"(D:\Pg Tools\pg_dump.exe)"},
        {R"(D:\Pg  Tools\pg_dump.exe)", R"(D:\Pg  To~1\pg_dump.exe)"},
        // Long without a blank: unchanged; the suffix is always ~1.
        {R"(C:\PostgreSQLServer\Program Data\x)", R"(C:\PostgreSQLServer\Progra~1\x)"},
        {R"(C:\Program Files\Program Filed\my dump tool.exe)", R"(C:\Progra~1\Progra~1\my dum~1)"},
        {R"(C:\Program Files\)", R"(C:\Progra~1\)"},
        {R"(\\server\share name\pg_dump.exe)", R"(\\server\share ~1\pg_dump.exe)"},
        {"", ""},
        {"pg_dump.exe", "pg_dump.exe"},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(TbackupDatabaseFM::caleScurta(path, 8), expected) << path;
}

TEST(ShellQuote, GivesTheShellBackEveryWordUnchanged) {
    const ToolFolder tools;
    const std::string words[] = {"demo",
                                 "/usr/lib/postgresql/15/bin/pg_dump",
                                 "db123456_backup_2024-10-19-08-05-09",
                                 "",
                                 "a b",
                                 "o'brien",
                                 "''",
                                 "x & rm -rf ~",
                                 "$(id) `id` ${HOME} $HOME",
                                 "a\"b\\c",
                                 "tab\there",
                                 "line\nbreak",
                                 "-U",
                                 "A=b",
                                 "~",
                                 "*.sql ?",
                                 "; | < > ( ) { } [ ] ! #"};
    for (const std::string& word : words) {
        SCOPED_TRACE(word);
        sys::RunOptions options;
        options.standardOutput = tools.path() / "out";
        const sys::RunResult result = sys::run({"/bin/sh", "-c", "printf '%s' " + backup::shellQuote(word)}, options);
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(readFile(tools.path() / "out"), word);
    }
    EXPECT_EQ(backup::shellQuote("demo"), "demo");
    EXPECT_EQ(backup::shellQuote("a b"), "'a b'");
    EXPECT_EQ(backup::shellQuote("o'x"), "'o'\\''x'");
}

TEST(DumpToolPlace, PrefersTheUsualPlacesInOrderAndTheNewestRelease) {
    struct Case {
        const char* name;
        std::vector<std::string> present;  // files below the root
        std::string expected;
    };
    const Case cases[] = {
        {"the common wrapper first", {"usr/bin/pg_dump", "usr/lib/postgresql/15/bin/pg_dump"}, "usr/bin/pg_dump"},
        {"the newest release by number",
         {"usr/lib/postgresql/9.6/bin/pg_dump", "usr/lib/postgresql/16/bin/pg_dump",
          "usr/lib/postgresql/15/bin/pg_dump", "usr/local/bin/pg_dump"},
         "usr/lib/postgresql/16/bin/pg_dump"},
        {"a release without client tools is passed over",
         {"usr/lib/postgresql/13/bin/pg_dump", "usr/lib/postgresql/17/bin/postgres"},
         "usr/lib/postgresql/13/bin/pg_dump"},
        {"a local build last", {"usr/local/bin/pg_dump", "usr/lib/postgresql/old/bin/pg_dump"}, "usr/local/bin/pg_dump"},
        {"none: the first usual place", {}, "usr/bin/pg_dump"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolFolder root;
        for (const std::string& file : c.present) {
            fs::create_directories((root.path() / file).parent_path());
            std::ofstream(root.path() / file) << "#!/bin/sh\n";
        }
        EXPECT_EQ(backup::defaultDumpToolPath(root.path()), root.path() / c.expected);
    }
}

TEST(DumpComplete, LooksForTheCompletionLineAtTheEnd) {
    const ToolFolder tools;
    const std::string body(10000, 'x');
    const std::pair<std::string, bool> cases[] = {
        {"-- PostgreSQL database dump\n" + body + "\n--\n-- PostgreSQL database dump complete\n--\n\n", true},
        {"--\n-- PostgreSQL database dump complete\n--\n\n\\unrestrict abc\n\n", true},
        {"-- PostgreSQL database dump complete\r\n", true},
        {"-- PostgreSQL database dump\n" + body, false},
        {"-- PostgreSQL database dump complete\n" + body + "\n", false},
        {"INSERT INTO t VALUES ('-- PostgreSQL database dump complete');\n", false},
        {"--\n-- PostgreSQL database dump complete", false},
        {"", false},
    };
    for (const auto& [text, complete] : cases) {
        std::ofstream(tools.path() / "dump", std::ios::binary) << text;
        EXPECT_EQ(backup::dumpComplete(tools.path() / "dump"), complete) << text.substr(0, 60);
    }
    EXPECT_FALSE(backup::dumpComplete(tools.path() / "absent"));
}

}  // namespace
}  // namespace backuptest
