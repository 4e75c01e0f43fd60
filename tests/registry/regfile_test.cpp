#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>

#include "platform/registry/regfile.h"
#include "platform/registry/registry.h"
#include "store_fixture.h"

using reg::Registry;
using reg::RegistryError;
using reg::RootKey;

namespace {

std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// A store as the accounting application and an older updater leave it.
void fillStore(const std::filesystem::path& store) {
    Registry classes(RootKey::ClassesRoot, store);
    ASSERT_TRUE(classes.OpenKey("VelantrixFirme\\CLSID", true));
    for (const char* name : {"654321OR", "0000000OR", "111OR"}) classes.WriteString(name, "");
    ASSERT_TRUE(classes.OpenKey("Gone\\Child", true));
    classes.WriteString("x", "1");
    Registry machine(RootKey::LocalMachine, store);
    ASSERT_TRUE(machine.OpenKey("Software\\ODBC\\ODBC.INI\\db1PGSQLDSN", true));
    machine.WriteString("Servername", "old");
    machine.WriteString("Extra", "keep");
}

const std::string kImport =
    "Windows Registry Editor Version 5.00\n"
    "\n"
    "; written by hand\n"
    "[HKEY_CLASSES_ROOT\\VelantrixFirme\\CLSID]\n"
    "\"0000000OR\"=-\n"
    "\"222OR\"=\"\"\n"
    "\"654321or\"=\"now set\"\n"
    "\n"
    "[-HKEY_CLASSES_ROOT\\Gone]\n"
    "\n"
    "[-HKEY_CLASSES_ROOT\\NeverWas]\n"
    "\n"
    "[-HKEY_CLASSES_ROOT\\Deleted]\n"
    "\"ignored\"=\"values of a deleted key are skipped\"\n"
    "\n"
    "[HKLM\\SOFTWARE\\ODBC\\ODBC.INI\\db1PGSQLDSN]\n"
    "\"Servername\"=\"localhost\"\n"
    "\"Port\"=dword:00001538\n"
    "\"Missing\"=-\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\New\\Deep]\n"
    "@=\"d\"\n"
    "\"Firmă\"=\"Ștefan\"\n";

const std::string kAfterImport =
    "Windows Registry Editor Version 5.00\n"
    "\n"
    "[HKEY_CLASSES_ROOT\\VelantrixFirme]\n"
    "\n"
    "[HKEY_CLASSES_ROOT\\VelantrixFirme\\CLSID]\n"
    "\"654321OR\"=\"now set\"\n"
    "\"111OR\"=\"\"\n"
    "\"222OR\"=\"\"\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software]\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\ODBC]\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\ODBC\\ODBC.INI]\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\ODBC\\ODBC.INI\\db1PGSQLDSN]\n"
    "\"Servername\"=\"localhost\"\n"
    "\"Extra\"=\"keep\"\n"
    "\"Port\"=dword:00001538\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\New]\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\Software\\New\\Deep]\n"
    "@=\"d\"\n"
    "\"Firmă\"=\"Ștefan\"\n"
    "\n";

}  // namespace

TEST_F(StoreTest, ImportMergesLikeRegeditInEveryEncoding) {
    const std::pair<const char*, std::string> encodings[] = {
        {"UTF-8, LF", kImport},
        {"UTF-8, CR LF", crlf(kImport)},
        {"UTF-8 with BOM, CR LF", "\xEF\xBB\xBF" + crlf(kImport)},
        {"UTF-16LE with BOM, CR LF", toUtf16le(crlf(kImport))},
    };
    for (const auto& [label, bytes] : encodings) {
        SCOPED_TRACE(label);
        std::filesystem::remove_all(store);
        fillStore(store);
        writeAll(base / "in.reg", bytes);
        reg::importRegFile(base / "in.reg", store);
        EXPECT_EQ(reg::exportStore(store), kAfterImport);
    }
}

TEST_F(StoreTest, BrokenImportChangesNothing) {
    fillStore(store);
    const std::string classesBefore = readAll(classesFile());
    const std::string machineBefore = readAll(machineFile());
    struct Case {
        std::string bytes;
        const char* says;
    };
    const Case cases[] = {
        // The good sections before the fault are not applied either.
        {kImport + "\"late\"=\"x\"junk\n", "in.reg:24: "},
        {kImport + "[HKEY_CURRENT_USER\\Software]\n", "in.reg:24: unsupported root"},
        {"\xFE\xFF", "in.reg:1: UTF-16 big-endian"},
        {"REGEDIT4\n\n[HKEY_CLASSES_ROOT\\X]\n", "in.reg:1: the first line must be"},
        {toUtf16le("Windows Registry Editor Version 5.00\r\n") + std::string("\x00\xD8", 2), "in.reg:2: invalid UTF-16LE"},
        {"", "in.reg:1: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        writeAll(base / "in.reg", c.bytes);
        try {
            reg::importRegFile(base / "in.reg", store);
            ADD_FAILURE() << "imported";
        } catch (const RegistryError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
        EXPECT_EQ(readAll(classesFile()), classesBefore);
        EXPECT_EQ(readAll(machineFile()), machineBefore);
    }
    EXPECT_THROW(reg::importRegFile(base / "no-such.reg", store), RegistryError);
}

TEST_F(StoreTest, ExportThenImportGivesTheSameStore) {
    fillStore(store);
    {
        Registry r(RootKey::LocalMachine, store);
        ASSERT_TRUE(r.OpenKey("Software\\ODBC\\ODBC.INI\\db1PGSQLDSN", false));
        r.WriteString("DRIVER", "C:\\Program Files\\PostgreSQL\\bin\\psqlodbc30a.dll");
        r.WriteString("ExtraSysTablePrefixes", "dd_;");
        r.WriteString("Quoted \"name\"", "multi\r\nline ț");
        r.WriteString("", "");
        ASSERT_TRUE(r.CreateKey("Empty"));
    }
    reg::importRegText(
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Types]\n"
        "\"Expand\"=hex(2):25,00,50,00,41,00,54,00,48,00,25,00,00,00\n"
        "\"Odd\"=HEX:0A , 0b,\\\n    0c\n",
        "types.reg", store);

    const std::string exported = reg::exportStore(store);
    const std::filesystem::path other = base / "other";
    reg::importRegText(exported, "exported.reg", other);
    EXPECT_EQ(reg::exportStore(other), exported);
    EXPECT_EQ(readAll(other / "HKEY_CLASSES_ROOT.reg"), readAll(classesFile()));
    EXPECT_EQ(readAll(other / "HKEY_LOCAL_MACHINE.reg"), readAll(machineFile()));

    // Importing the export again into the same store changes nothing.
    reg::importRegText(exported, "exported.reg", store);
    EXPECT_EQ(reg::exportStore(store), exported);
}

TEST_F(StoreTest, ListShowsOneKeyWithItsSubkeys) {
    fillStore(store);
    Registry r(RootKey::ClassesRoot, store);
    ASSERT_TRUE(r.OpenKey("VelantrixFirme\\CLSID", false));
    ASSERT_TRUE(r.CreateKey("Sub"));
    ASSERT_TRUE(r.CreateKey("Sub\\Deeper"));
    ASSERT_TRUE(r.CreateKey("Other"));

    EXPECT_EQ(reg::listKey("hkcr\\velantrixfirme\\clsid", store),
              "[HKEY_CLASSES_ROOT\\VelantrixFirme\\CLSID]\n"
              "\"654321OR\"=\"\"\n"
              "\"0000000OR\"=\"\"\n"
              "\"111OR\"=\"\"\n"
              "\n"
              "Subkeys:\n"
              "  Sub\n"
              "  Other\n");
    EXPECT_EQ(reg::listKey("HKEY_LOCAL_MACHINE\\Software\\ODBC\\ODBC.INI\\db1PGSQLDSN", store),
              "[HKEY_LOCAL_MACHINE\\Software\\ODBC\\ODBC.INI\\db1PGSQLDSN]\n"
              "\"Servername\"=\"old\"\n"
              "\"Extra\"=\"keep\"\n"
              "\n"
              "No subkeys.\n");
    EXPECT_EQ(reg::listKey("HKLM", store), "[HKEY_LOCAL_MACHINE]\n\nSubkeys:\n  Software\n");
    EXPECT_THROW(reg::listKey("HKCR\\Nope", store), RegistryError);
    EXPECT_THROW(reg::listKey("HKEY_CURRENT_USER\\Software", store), RegistryError);
}

namespace {

struct ToolRun {
    int status;
    std::string output;  // standard output and standard error together
};

ToolRun runTool(const std::filesystem::path& store, const std::string& args) {
    const std::string command =
        "VELANTRIX_REGISTRY='" + store.string() + "' '" VELANTRIX_REG_TOOL "' " + args + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return {-1, "popen failed"};
    std::string output;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) output.append(buf, n);
    int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace

TEST_F(StoreTest, ToolCommandsAndExitStatus) {
    writeAll(base / "good.reg", crlf(kImport));
    writeAll(base / "bad.reg", "Windows Registry Editor Version 5.00\n\nnonsense\n");
    const std::string good = "'" + (base / "good.reg").string() + "'";
    const std::string bad = "'" + (base / "bad.reg").string() + "'";
    struct Case {
        std::string args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {"--help", 0, "Usage: velantrix-reg"},
        {"", 2, "no command given"},
        {"frobnicate", 2, "unknown command"},
        {"list", 2, "list takes one key name"},
        {"export now", 2, "export takes no argument"},
        {"import a.reg b.reg", 2, "import takes one file name"},
        {"import /no/such/file.reg", 1, "cannot open /no/such/file.reg"},
        {"import " + bad, 1, "bad.reg:3: unrecognised line"},
        {"list 'HKCR\\Nope'", 1, "no such key: HKEY_CLASSES_ROOT\\Nope"},
        {"list 'HKCU\\Software'", 1, "unknown root"},
        {"import " + good, 0, ""},
        {"list 'HKEY_CLASSES_ROOT\\VelantrixFirme\\CLSID'", 0, "\"222OR\"=\"\"\n"},
        {"import - < " + good, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        ToolRun run = runTool(store, c.args);
        EXPECT_EQ(run.status, c.status) << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
    }
    ToolRun exported = runTool(store, "export");
    EXPECT_EQ(exported.status, 0);
    EXPECT_EQ(exported.output, reg::exportStore(store));
    // Keys the store did not have keep the case the file gave them.
    EXPECT_NE(exported.output.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\New\\Deep]\n@=\"d\"\n"), std::string::npos);
}
