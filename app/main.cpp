// velantrix-update: brings every company database of this workstation to the
// schema and reference data of this release.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/console/console_frontend.h"
#include "app/qt/qt_frontend.h"
#include "app/windows.h"
#include "companies/company_register.h"

namespace {

constexpr const char* kUsage =
    "Usage: velantrix-update [--console]\n"
    "       velantrix-update [--console] --backup ENTRY --user NAME [--pg-dump PATH]\n"
    "                        [--password-stdin]\n"
    "\n"
    "Brings every company database listed in the company register to the\n"
    "schema and reference data of this release, company by company.\n"
    "\n"
    "  --console   run without a window: the report goes to standard output,\n"
    "              messages to standard error (the default when no display\n"
    "              is available); exit status 0 when every company was\n"
    "              updated, 1 otherwise\n"
    "  --backup ENTRY\n"
    "              save the database of one company entry of the register\n"
    "              with pg_dump into a time-stamped file in the current\n"
    "              folder, as the backup dialog does, and print its report;\n"
    "              exit status 0 when the backup was saved, 1 otherwise\n"
    "  --user NAME the administrator user name for --backup (required)\n"
    "  --pg-dump PATH\n"
    "              the dump tool for --backup (default: the first of\n"
    "              /usr/bin/pg_dump, the newest /usr/lib/postgresql/*/bin/pg_dump\n"
    "              and /usr/local/bin/pg_dump that exists)\n"
    "  --password-stdin\n"
    "              read the administrator password for --backup from the\n"
    "              first line of standard input (default: PGPASSWORD)\n"
    "  --help      show this text\n"
    "  --version   show the release this program updates to\n"
    "\n"
    "Environment: VELANTRIX_REGISTRY names the registry store folder,\n"
    "VELANTRIX_SYSTEM_DIR the folder of the system's registration tool.\n";

// A local X display (":0", ":1.0") whose server socket is gone is no
// display: the window toolkit would abort instead of running on the console.
bool localXServerReachable(const std::string& display) {
    if (display.empty() || display[0] != ':') return true;  // remote or unusual: let the toolkit decide
    const std::string number = display.substr(1, display.find('.') - 1);
    const std::string socketPath = "/tmp/.X11-unix/X" + number;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return true;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    const bool reachable = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return reachable;
}

bool displayAvailable() {
    for (const char* name : {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(name); value && *value) return true;
    const char* display = std::getenv("DISPLAY");
    return display && *display && localXServerReachable(display);
}

int runWindowed(int argc, char** argv) {
    QApplication qapp(argc, argv);
    qtfront::QtApplication app;
    try {
        Windows<> windows;
        app.bindTimer(windows.form1.Timer1);
        app.showMain(windows.form1);
        QApplication::exec();
    } catch (const std::exception& error) {
        app.ShowException(error);
    }
    return 0;
}

struct BackupOptions {
    std::optional<std::string> entry, user, dumpTool;
    bool passwordFromStdin = false;
};

// The backup dialog for one company entry, without a window: its report
// goes to standard output, its messages to standard error.
int runBackup(const BackupOptions& options) {
    consolefront::ConsoleApplication app(std::cout, std::cerr);
    Windows<> windows;
    TForm1& form = windows.form1;
    TbackupDatabaseFM& dialog = windows.backup;
    std::string password;
    if (options.passwordFromStdin) {
        std::getline(std::cin, password);
        if (!password.empty() && password.back() == '\r') password.pop_back();
    } else if (const char* value = std::getenv("PGPASSWORD")) {
        password = value;
    }
    form.utilizatorEB.SetText(*options.user);
    form.parolaNouaEB.SetText(password);
    if (companies::trim(*options.user).empty()) {
        // The backup button's own check and message.
        ui::dispatch([&] { form.backupBB.Click(); });
        return 1;
    }
    if (options.dumpTool) dialog.caleFisierDumpEB.SetText(*options.dumpTool);
    app.echo(dialog.rezultatMM);
    ui::dispatch([&] { dialog.Shown(); });
    const std::vector<std::string>& entries = dialog.bazaCB.Items();
    auto found = std::find(entries.begin(), entries.end(), *options.entry);
    if (found == entries.end()) {
        std::cerr << "velantrix-update: '" << *options.entry << "' is not in the company register\n";
        return 1;
    }
    dialog.bazaCB.SetItemIndex(static_cast<int>(found - entries.begin()));
    ui::dispatch([&] { dialog.BitBtn1.Click(); });
    const std::vector<std::string>& report = dialog.rezultatMM.Lines.lines();
    const bool saved = !report.empty() && std::all_of(report.begin(), report.end(), [](const std::string& line) {
        return line.rfind("Salvarea bazei de date ", 0) == 0;
    });
    return saved ? 0 : 1;
}

int runConsole() {
    consolefront::ConsoleApplication app(std::cout, std::cerr);
    Windows<> windows;
    TForm1& form = windows.form1;
    app.echo(form.executateMM);
    app.showProgress(form.progresLL, form.progresPB);
    ui::dispatch([&] { form.Shown(); });
    ui::dispatch([&] { form.Activated(); });
    const bool updated = form.updateFinalizat && form.succesToateFirmele;
    // No ten-second wait on a terminal: the window would close by itself.
    ui::dispatch([&] { form.Close(); });
    return updated ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool console = false;
    BackupOptions backup;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // The backup options take a value, as the next argument or after "=".
        bool valueMissing = false;
        auto valueOf = [&](const std::string& name, std::optional<std::string>& value) {
            if (arg == name) {
                if (i + 1 < args.size()) value = args[++i];
                else valueMissing = true;
                return true;
            }
            if (arg.rfind(name + "=", 0) == 0) {
                value = arg.substr(name.size() + 1);
                return true;
            }
            return false;
        };
        if (valueOf("--backup", backup.entry) || valueOf("--user", backup.user) ||
            valueOf("--pg-dump", backup.dumpTool)) {
            if (valueMissing) {
                std::cerr << "velantrix-update: " << arg << " needs a value\n" << kUsage;
                return 2;
            }
            continue;
        }
        if (arg == "--password-stdin") {
            backup.passwordFromStdin = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--version") {
            std::cout << TForm1::kVersionLabel << '\n';
            return 0;
        }
        if (arg == "--console") {
            console = true;
            continue;
        }
        std::cerr << "velantrix-update: unknown argument '" << arg << "'\n" << kUsage;
        return 2;
    }
    if (backup.entry) {
        if (!backup.user) {
            std::cerr << "velantrix-update: --backup needs --user\n" << kUsage;
            return 2;
        }
        return runBackup(backup);
    }
    if (backup.user || backup.dumpTool || backup.passwordFromStdin) {
        std::cerr << "velantrix-update: --user, --pg-dump and --password-stdin go with --backup\n" << kUsage;
        return 2;
    }
    if (console || !displayAvailable()) return runConsole();
    return runWindowed(argc, argv);
}
