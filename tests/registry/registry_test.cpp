#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <set>

#include "platform/registry/registry.h"
#include "store_fixture.h"

using reg::Registry;
using reg::RegistryError;
using reg::RootKey;
using Names = std::vector<std::string>;

namespace {

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";

// Sets or clears one environment variable for a test's duration.
class EnvGuard {
public:
    EnvGuard(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~EnvGuard() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RegistryError& e) {
        return e.what();
    }
    return "(no RegistryError)";
}

}  // namespace

TEST_F(StoreTest, RoundTripKeepsWriteOrderAndFirstCase) {
    {
        Registry r(RootKey::ClassesRoot, store);
        ASSERT_TRUE(r.OpenKey("\\VelantrixFirme\\CLSID", true));
        r.WriteString("654321OR", "");
        r.WriteString("Zeta", "1");
        r.WriteString("alpha", "2");
        r.WriteString("", "default");
        r.WriteString("ZETA", "3");  // replaces in place; the name stays "Zeta"
        ASSERT_TRUE(r.CreateKey("b"));
        ASSERT_TRUE(r.CreateKey("A"));
        ASSERT_TRUE(r.CreateKey("B\\Deep"));
        ASSERT_TRUE(r.CreateKey("c"));
    }
    EXPECT_EQ(readAll(classesFile()), kHeader +
                                          "[HKEY_CLASSES_ROOT\\VelantrixFirme]\n\n"
                                          "[HKEY_CLASSES_ROOT\\VelantrixFirme\\CLSID]\n"
                                          "\"654321OR\"=\"\"\n"
                                          "\"Zeta\"=\"3\"\n"
                                          "\"alpha\"=\"2\"\n"
                                          "@=\"default\"\n\n"
                                          "[HKEY_CLASSES_ROOT\\VelantrixFirme\\CLSID\\b]\n\n"
                                          "[HKEY_CLASSES_ROOT\\VelantrixFirme\\CLSID\\b\\Deep]\n\n"
                                          "[HKEY_CLASSES_ROOT\\VelantrixFirme\\CLSID\\A]\n\n"
                                          "[HKEY_CLASSES_ROOT\\VelantrixFirme\\CLSID\\c]\n\n");
    EXPECT_FALSE(std::filesystem::exists(machineFile()));

    Registry r(RootKey::ClassesRoot, store);
    ASSERT_TRUE(r.OpenKey("velantrixfirme\\clsid", false));
    EXPECT_EQ(r.GetValueNames(), (Names{"654321OR", "Zeta", "alpha", ""}));
    EXPECT_EQ(r.GetKeyNames(), (Names{"b", "A", "c"}));
    EXPECT_EQ(r.ReadString("zeta"), "3");
    EXPECT_EQ(r.ReadString(""), "default");
    EXPECT_TRUE(r.ValueExists("ALPHA"));
    EXPECT_FALSE(r.ValueExists("beta"));
    EXPECT_THROW(r.ReadString("beta"), RegistryError);

    // A value deleted and written again counts as first written now.
    EXPECT_TRUE(r.DeleteValue("ALPHA"));
    EXPECT_FALSE(r.DeleteValue("alpha"));
    r.WriteString("Alpha", "4");
    EXPECT_EQ(r.GetValueNames(), (Names{"654321OR", "Zeta", "", "Alpha"}));
}

TEST_F(StoreTest, AwkwardTextSurvivesTheFile) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"quote\"inside", "say \"hi\""},
        {"back\\slash", "C:\\Program Files\\PostgreSQL\\bin\\psqlodbc30a.dll"},
        {"semi;colon", "dd_;"},
        {"ăîșțâ ĂÎȘȚÂ", "Societatea Ștefănescu – 100 € 😀"},
        {"", "trailing backslash\\"},
        {"spaces", "  padded  "},
        {"brackets]", "[HKEY_CLASSES_ROOT\\Fake]"},
        {"eq=sign", "\"=\"@=-"},
        {"tab", "a\tb"},
        {"empty", ""},
        {"lines", "one\r\ntwo\nthree ț"},
    };
    {
        Registry r(RootKey::LocalMachine, store);
        ASSERT_TRUE(r.OpenKey("Software\\ODBC\\ODBC.INI\\db1PGSQLDSN", true));
        for (const auto& [name, value] : cases) r.WriteString(name, value);
    }
    Registry r(RootKey::LocalMachine, store);
    ASSERT_TRUE(r.OpenKey("Software\\ODBC\\ODBC.INI\\db1PGSQLDSN", false));
    Names expectedNames;
    for (const auto& [name, value] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(r.ReadString(name), value);
        expectedNames.push_back(name);
    }
    EXPECT_EQ(r.GetValueNames(), expectedNames);

    const std::string text = readAll(machineFile());
    EXPECT_NE(text.find("\n\"back\\\\slash\"=\"C:\\\\Program Files\\\\PostgreSQL\\\\bin\\\\psqlodbc30a.dll\"\n"), std::string::npos);
    EXPECT_NE(text.find("\n\"quote\\\"inside\"=\"say \\\"hi\\\"\"\n"), std::string::npos);
    // Text with line breaks is kept in regedit's hex(1) spelling of REG_SZ.
    EXPECT_NE(text.find("\n\"lines\"=hex(1):6f,00,6e,00,65,00,0d,00,0a,00,74,00"), std::string::npos);
}

TEST_F(StoreTest, ValuesOfOtherTypesAreKeptByteForByte) {
    const std::string before =
        "[HKEY_LOCAL_MACHINE\\Software]\n\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Types]\n"
        "\"Dword\"=dword:0000002a\n"
        "\"Binary\"=hex:00,ff,10\n"
        "\"Expand\"=hex(2):25,00,50,00,41,00,54,00,48,00,25,00,5c,00,62,00,69,00,6e,00,00,\\\n"
        "  00\n"
        "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\n"
        "\"Qword\"=hex(b):01,00,00,00,00,00,00,00\n"
        "\"Odd\"=HEX:0A , 0b,\\\n"
        "    0c\n"
        "\"Plain\"=\"text\"\n";
    writeAll(machineFile(), kHeader + before + "\n");

    Registry r(RootKey::LocalMachine, store);
    ASSERT_TRUE(r.OpenKey("Software\\Types", false));
    r.WriteString("Added", "x");
    EXPECT_EQ(readAll(machineFile()), kHeader + before + "\"Added\"=\"x\"\n\n");

    EXPECT_EQ(r.GetValueNames(), (Names{"Dword", "Binary", "Expand", "Multi", "Qword", "Odd", "Plain", "Added"}));
    EXPECT_EQ(r.ReadString("Expand"), "%PATH%\\bin");
    EXPECT_THROW(r.ReadString("Dword"), RegistryError);
    EXPECT_THROW(r.ReadString("Multi"), RegistryError);
    // Writing a string over another type replaces it, in place.
    r.WriteString("Dword", "now text");
    EXPECT_EQ(r.ReadString("Dword"), "now text");
    EXPECT_EQ(r.GetValueNames().front(), "Dword");
}

TEST_F(StoreTest, ReadsUtf16RegeditExportWithCrLf) {
    writeAll(classesFile(), toUtf16le("Windows Registry Editor Version 5.00\r\n\r\n"
                                      "[HKEY_CLASSES_ROOT\\VelantrixFirme\\CLSID]\r\n"
                                      "\"654321OR\"=\"Ștefan\"\r\n"
                                      "\"111OR\"=\"\"\r\n\r\n"));
    Registry r(RootKey::ClassesRoot, store);
    ASSERT_TRUE(r.OpenKey("VelantrixFirme\\CLSID", false));
    EXPECT_EQ(r.GetValueNames(), (Names{"654321OR", "111OR"}));
    EXPECT_EQ(r.ReadString("654321OR"), "Ștefan");
}

TEST_F(StoreTest, MalformedStoreFileIsReportedAndNeverRewritten) {
    struct Case {
        const char* body;  // after the header line
        int line;
        const char* says;
    };
    const Case cases[] = {
        {"\n\"a\"=\"b\"\n", 3, "value outside of any key"},
        {"\n[HKEY_CLASSES_ROOT\\K]\n\"a\"=\"C:\\dir\"\n", 4, "backslash"},
        {"\n[HKEY_CLASSES_ROOT\\K]\n\"a\"=\"open\n", 4, "unterminated"},
        {"\n[HKEY_CLASSES_ROOT\\K]\n\"a\"=\"b\" trailing\n", 4, "after the quoted value"},
        {"\n[HKEY_CLASSES_ROOT\\K]\n\"a\"=hex:0g\n", 4, "unrecognised value data"},
        {"\n[HKEY_CLASSES_ROOT\\K]\n\"a\"=text\n", 4, "unrecognised value data"},
        {"\n[HKEY_CLASSES_ROOT\\K]\n\n\"a\"=hex:00,\\\n", 5, "continued value"},
        {"\n[HKEY_CLASSES_ROOT\\K]\njunk\n", 4, "unrecognised line"},
        {"\n[HKEY_CLASSES_ROOT\\K\n", 3, "must end with ']'"},
        {"\n[HKEY_CLASSES_ROOT\\\\K]\n", 3, "malformed key path"},
        {"\n[HKEY_CURRENT_USER\\K]\n", 3, "unsupported root"},
        {"\n[HKEY_LOCAL_MACHINE\\K]\n", 3, "another root"},
        {"\n[-HKEY_CLASSES_ROOT\\K]\n", 3, "deletions"},
        {"\n[HKEY_CLASSES_ROOT\\K]\n\"a\"=-\n", 4, "deletions"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        std::filesystem::remove_all(store);
        Registry opened(RootKey::ClassesRoot, store);
        ASSERT_TRUE(opened.OpenKey("K", true));
        const std::string bad = "Windows Registry Editor Version 5.00\r\n" + std::string(c.body);
        writeAll(classesFile(), bad);

        const std::string where = classesFile().string() + ":" + std::to_string(c.line) + ": ";
        const std::string message = errorOf([&] { opened.GetValueNames(); });
        EXPECT_NE(message.find(where), std::string::npos) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
        EXPECT_THROW(opened.WriteString("a", "b"), RegistryError);
        EXPECT_THROW(opened.DeleteValue("a"), RegistryError);
        EXPECT_THROW(opened.DeleteKey("\\K"), RegistryError);
        EXPECT_FALSE(opened.CreateKey("Sub"));

        Registry fresh(RootKey::ClassesRoot, store);
        EXPECT_FALSE(fresh.OpenKey("K", false));
        EXPECT_FALSE(fresh.OpenKey("K", true));
        EXPECT_FALSE(fresh.OpenKey("New", true));
        EXPECT_EQ(readAll(classesFile()), bad);

        // The other root's file is a separate matter.
        Registry machine(RootKey::LocalMachine, store);
        EXPECT_TRUE(machine.OpenKey("Software", true));
    }

    writeAll(classesFile(), "Windows Registry Editor Version 4.00\n");
    EXPECT_NE(errorOf([&] { Registry(RootKey::ClassesRoot, store).KeyExists("K"); }).find(classesFile().string() + ":1: "),
              std::string::npos);
}

TEST_F(StoreTest, StoreBelowARegularFileCannotBeCreated) {
    // Root ignores permission bits, but no one can make a folder inside a file.
    writeAll(base / "plain", "not a folder");
    EnvGuard env("VELANTRIX_REGISTRY", (base / "plain" / "store").c_str());
    Registry r(RootKey::ClassesRoot);
    EXPECT_FALSE(r.OpenKey("VelantrixFirme\\CLSID", true));
    EXPECT_FALSE(r.OpenKey("VelantrixFirme\\CLSID", false));
    EXPECT_FALSE(r.hasCurrentKey());
    EXPECT_THROW(r.WriteString("a", "b"), RegistryError);
    EXPECT_FALSE(r.CreateKey("Top"));
    EXPECT_FALSE(r.DeleteKey("Top"));
    EXPECT_EQ(r.GetKeyNames(), Names{});
    EXPECT_NE(errorOf([] { Registry w(RootKey::LocalMachine); w.OpenKey("", false); w.WriteString("x", "y"); })
                  .find("cannot create the registry store folder"),
              std::string::npos);
}

namespace {

// The immutable attribute (chattr +i) stops root too, which plain
// permissions do not. Cleared again however the test ends.
class ImmutableFolder {
public:
    explicit ImmutableFolder(const std::filesystem::path& p) : fd_(::open(p.c_str(), O_RDONLY | O_DIRECTORY)) {
        int flags = 0;
        if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            set_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }
    ~ImmutableFolder() {
        if (set_) {
            int flags = 0;
            ::ioctl(fd_, FS_IOC_GETFLAGS, &flags);
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
        }
        if (fd_ >= 0) ::close(fd_);
    }
    bool active() const { return set_; }

private:
    int fd_;
    bool set_ = false;
};

}  // namespace

TEST_F(StoreTest, UnwritableStoreStillReadsButRefusesChanges) {
    {
        Registry r(RootKey::LocalMachine, store);
        ASSERT_TRUE(r.OpenKey("Software\\ODBC\\ODBC.INI\\ODBC Data Sources", true));
        r.WriteString("db1PGSQLDSN", "PostgreSQL ANSI");
    }
    const std::string before = readAll(machineFile());
    ImmutableFolder immutable(store);
    if (!immutable.active()) GTEST_SKIP() << "this file system does not support the immutable attribute";

    Registry r(RootKey::LocalMachine, store);
    // Opening with create needs no write when the key is there.
    ASSERT_TRUE(r.OpenKey("Software\\ODBC\\ODBC.INI\\ODBC Data Sources", true));
    EXPECT_EQ(r.ReadString("db1PGSQLDSN"), "PostgreSQL ANSI");
    EXPECT_THROW(r.WriteString("db1PGSQLDSN", "other"), RegistryError);
    EXPECT_THROW(r.WriteString("db2PGSQLDSN", "PostgreSQL ANSI"), RegistryError);
    EXPECT_THROW(r.DeleteValue("db1PGSQLDSN"), RegistryError);
    EXPECT_FALSE(r.DeleteValue("missing"));
    EXPECT_FALSE(r.CreateKey("velantrixPGSQLDSN"));
    EXPECT_FALSE(r.DeleteKey("velantrixPGSQLDSN"));  // missing: no write needed, no error
    EXPECT_THROW(r.DeleteKey("\\Software"), RegistryError);
    EXPECT_FALSE(r.OpenKey("Software\\ODBC\\ODBC.INI\\db1PGSQLDSN", true));
    EXPECT_THROW(r.WriteString("Database", "db1"), RegistryError);  // the failed open left no key open

    EXPECT_EQ(readAll(machineFile()), before);
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(store)) names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"HKEY_LOCAL_MACHINE.reg", "registry.lock"}));
}

TEST_F(StoreTest, ConcurrentWritersLoseNothing) {
    constexpr int kChildren = 2;
    constexpr int kWrites = 60;
    std::vector<pid_t> children;
    for (int c = 0; c < kChildren; ++c) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int status = 0;
            try {
                Registry r(RootKey::LocalMachine, store);
                for (int i = 0; i < kWrites; ++i) {
                    if (!r.OpenKey("Software\\Shared", true)) status = 2;
                    r.WriteString("c" + std::to_string(c) + "_" + std::to_string(i), std::to_string(i));
                    if (!r.CreateKey("sub" + std::to_string(c) + "_" + std::to_string(i))) status = 3;
                }
            } catch (...) {
                status = 4;
            }
            ::_exit(status);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }

    Registry r(RootKey::LocalMachine, store);
    ASSERT_TRUE(r.OpenKey("Software\\Shared", false));
    const Names values = r.GetValueNames();
    const Names keys = r.GetKeyNames();
    ASSERT_EQ(values.size(), size_t{kChildren * kWrites});
    ASSERT_EQ(keys.size(), size_t{kChildren * kWrites});
    for (int c = 0; c < kChildren; ++c) {
        // Each writer's own values keep its order among the interleaving.
        Names own;
        for (const std::string& v : values)
            if (v.rfind("c" + std::to_string(c) + "_", 0) == 0) own.push_back(v);
        ASSERT_EQ(own.size(), size_t{kWrites});
        for (int i = 0; i < kWrites; ++i) EXPECT_EQ(own[i], "c" + std::to_string(c) + "_" + std::to_string(i));
    }
}

TEST_F(StoreTest, KeysAreCreatedRelativeAndDeletedWithTheirSubkeys) {
    Registry r(RootKey::LocalMachine, store);
    // Deleting what is missing is no error and creates nothing.
    EXPECT_FALSE(r.DeleteKey("Software\\Nothing"));
    EXPECT_FALSE(std::filesystem::exists(store));

    ASSERT_TRUE(r.OpenKey("Software\\ODBC\\ODBC.INI\\ODBC Data Sources", true));
    ASSERT_TRUE(r.CreateKey("velantrixPGSQLDSN\\Inner\\Deeper"));
    ASSERT_TRUE(r.CreateKey("\\Software\\ODBC\\ODBC.INI\\velantrixPGSQLDSN"));  // from the root
    r.WriteString("velantrixPGSQLDSN", "PostgreSQL ANSI");
    EXPECT_TRUE(r.KeyExists("VELANTRIXpgsqldsn\\inner\\deeper"));

    EXPECT_TRUE(r.DeleteKey("velantrixPGSQLDSN"));
    EXPECT_FALSE(r.KeyExists("velantrixPGSQLDSN"));
    EXPECT_FALSE(r.DeleteKey("velantrixPGSQLDSN"));
    // Only the subkey went: the listing value and the record elsewhere remain.
    EXPECT_EQ(r.ReadString("velantrixPGSQLDSN"), "PostgreSQL ANSI");
    EXPECT_TRUE(r.KeyExists("\\Software\\ODBC\\ODBC.INI\\velantrixPGSQLDSN"));

    r.CloseKey();
    EXPECT_EQ(r.GetKeyNames(), Names{"Software"});
    EXPECT_FALSE(r.CreateKey("bad\\\\path"));
    EXPECT_FALSE(r.OpenKey("bad\\\\path", true));
}

TEST_F(StoreTest, ValueCallsNeedAKeyThatStillExists) {
    Registry r(RootKey::ClassesRoot, store);
    EXPECT_THROW(r.WriteString("a", "b"), RegistryError);
    EXPECT_THROW(r.GetValueNames(), RegistryError);

    ASSERT_TRUE(r.OpenKey("Gone\\Soon", true));
    Registry other(RootKey::ClassesRoot, store);
    ASSERT_TRUE(other.DeleteKey("Gone"));
    EXPECT_NE(errorOf([&] { r.WriteString("a", "b"); }).find("no longer exists"), std::string::npos);
    EXPECT_THROW(r.GetValueNames(), RegistryError);
    EXPECT_FALSE(other.KeyExists("Gone"));  // the failed write did not bring it back
    EXPECT_FALSE(r.CreateKey("Child"));

    // A failed open drops the key that was open before.
    ASSERT_TRUE(r.OpenKey("Here", true));
    EXPECT_FALSE(r.OpenKey("Missing", false));
    EXPECT_FALSE(r.hasCurrentKey());
    EXPECT_THROW(r.WriteString("a", "b"), RegistryError);

    ASSERT_TRUE(r.OpenKey("Here", false));
    EXPECT_THROW(r.WriteString("line\nbreak", "b"), RegistryError);
    EXPECT_THROW(r.WriteString("nul", std::string_view("a\0b", 3)), RegistryError);
    EXPECT_EQ(r.GetValueNames(), Names{});
}

TEST(StoreFolder, FollowsTheEnvironment) {
    struct Case {
        const char* registry;
        const char* xdg;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/srv/reg", "/xdg", "/home/u", "/srv/reg"},
        {nullptr, "/xdg", "/home/u", "/xdg/velantrix/registry"},
        {"", "relative/ignored", "/home/u", "/home/u/.local/share/velantrix/registry"},
        {nullptr, nullptr, "/home/u", "/home/u/.local/share/velantrix/registry"},
    };
    for (const Case& c : cases) {
        EnvGuard a("VELANTRIX_REGISTRY", c.registry), b("XDG_DATA_HOME", c.xdg), h("HOME", c.home);
        EXPECT_EQ(reg::storeFolder(), std::filesystem::path(c.expected));
    }
}
