#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/components.h"
#include "platform/ui/form.h"

// The backup dialog: saves the selected company database with the dump tool.
class TbackupDatabaseFM : public ui::Form {
public:
    TbackupDatabaseFM();

    ui::Label Label1{"Label1", this, "Selectati calea spre fisierul pg_dump.exe"};
    ui::Edit caleFisierDumpEB{"caleFisierDumpEB", this};
    ui::Panel Panel1{"Panel1", this};
    ui::Label Label6{"Label6", this, "Lista firme"};
    ui::ComboBox bazaCB{"bazaCB", this};
    ui::Label Label3{"Label3", this,
                     "ATENTIE! - backup-ul se face doar pentru firma selectata. Selectati fiecare firma in parte "
                     "pentru a efectua backup la toate firmele."};
    ui::Panel Panel2{"Panel2", this};
    ui::Button BitBtn1{"BitBtn1", this, "Salveaza baza de date (backup)"};
    ui::Label Label2{"Label2", this, "Rezultatul operatiunii de salvare a bazei de date"};
    ui::Memo rezultatMM{"rezultatMM", this};
    ui::Button cmdBB{"cmdBB", this, "Deschide command prompt"};
    ui::Button BitBtn2{"BitBtn2", this, "IESIRE"};

    // The open-file dialog's one filter entry.
    struct OpenDialog {
        std::string filterDescription;
        std::string filterPattern;
    } OpenDialog1;

    // The file name and the terminal command of the last backup attempt.
    std::string fisierBackup;
    std::string comandaDump;

    // Event handlers.
    void FormShow();
    void caleFisierDumpEBClick();
    void BitBtn1Click();
    void cmdBBClick();
    void BitBtn2Click();

    // Dumps one database into `fisierBackup` in the current folder; true
    // when the dump tool succeeded and its output is complete.
    bool salveazaBaza(const std::string& numeBaza);
    // Sets `fisierBackup`, `comandaDump` and the dump tool's arguments.
    void pregatesteComandaDump(const std::string& numeBaza);
    // The short form of a path written with backslashes: each component
    // holding a blank and longer than `limit` becomes its first six
    // characters and "~1".
    static std::string caleScurta(std::string_view path, int limit);

    // The manual instructions, one entry a line, with `comandaDump` quoted.
    std::vector<std::string> instructiuniManuale() const;

private:
    // The dump tool and its arguments for the last attempt, as `comandaDump`
    // shows them (without the options only the program needs).
    std::vector<std::string> argumenteDump_;
};

namespace backup {

// The places where this platform usually installs the dump tool, in the
// order they are tried, below `root` (a test's own folder tree, or "/").
std::vector<std::filesystem::path> usualDumpToolPlaces(const std::filesystem::path& root = "/");
// The first of them that exists, else the first of them.
std::filesystem::path defaultDumpToolPath(const std::filesystem::path& root = "/");

// One word for a POSIX shell: unchanged when it has nothing the shell would
// interpret, else single-quoted.
std::string shellQuote(std::string_view word);

// The first terminal emulator found in PATH, or empty.
std::string findTerminal();

// True when the tail of the file holds the dump tool's completion line.
bool dumpComplete(const std::filesystem::path& file);

}  // namespace backup
