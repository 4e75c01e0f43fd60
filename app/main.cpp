// velantrix-update: brings every company database of this workstation to the
// schema and reference data of this release.
#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/console/console_frontend.h"
#include "app/qt/qt_frontend.h"
#include "app/windows.h"

namespace {

constexpr const char* kUsage =
    "Usage: velantrix-update [--console]\n"
    "\n"
    "Brings every company database listed in the company register to the\n"
    "schema and reference data of this release, company by company.\n"
    "\n"
    "  --console   run without a window: the report goes to standard output,\n"
    "              messages to standard error (the default when no display\n"
    "              is available); exit status 0 when every company was\n"
    "              updated, 1 otherwise\n"
    "  --help      show this text\n"
    "  --version   show the release this program updates to\n"
    "\n"
    "Environment: VELANTRIX_REGISTRY names the registry store folder,\n"
    "VELANTRIX_SYSTEM_DIR the folder of the system's registration tool.\n";

bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(name); value && *value) return true;
    return false;
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
    for (const std::string& arg : args) {
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
    if (console || !displayAvailable()) return runConsole();
    return runWindowed(argc, argv);
}
