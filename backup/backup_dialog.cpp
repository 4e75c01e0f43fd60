#include "backup/backup_dialog.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <optional>
#include <system_error>

#include "app/windows.h"
#include "companies/company_register.h"
#include "platform/db/data_source.h"
#include "platform/db/db_error.h"
#include "platform/system/system.h"
#include "platform/ui/application.h"

namespace fs = std::filesystem;

namespace backup {

std::vector<fs::path> usualDumpToolPlaces(const fs::path& root) {
    std::vector<fs::path> places{root / "usr/bin/pg_dump"};
    // Each installed server release has its own client tools; the newest
    // release dumps every older server.
    std::vector<std::pair<std::vector<int>, fs::path>> releases;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(root / "usr/lib/postgresql", ec)) {
        const std::string name = entry.path().filename().string();
        std::vector<int> version;
        bool numeric = !name.empty();
        for (std::size_t at = 0; numeric && at <= name.size();) {
            std::size_t dot = std::min(name.find('.', at), name.size());
            const std::string part = name.substr(at, dot - at);
            numeric = !part.empty() && part.find_first_not_of("0123456789") == std::string::npos && part.size() < 9;
            if (numeric) version.push_back(std::stoi(part));
            at = dot + 1;
        }
        if (numeric && fs::exists(entry.path() / "bin/pg_dump", ec)) releases.emplace_back(version, entry.path());
    }
    std::sort(releases.begin(), releases.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    if (!releases.empty()) places.push_back(releases.front().second / "bin/pg_dump");
    places.push_back(root / "usr/local/bin/pg_dump");
    return places;
}

fs::path defaultDumpToolPath(const fs::path& root) {
    const std::vector<fs::path> places = usualDumpToolPlaces(root);
    std::error_code ec;
    for (const fs::path& place : places)
        if (fs::is_regular_file(place, ec)) return place;
    return places.front();
}

std::string shellQuote(std::string_view word) {
    // No "=": a leading word "A=b" would be taken as a variable assignment.
    constexpr std::string_view safe = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-.,/:@%+";
    if (!word.empty() && word.find_first_not_of(safe) == std::string_view::npos) return std::string(word);
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'') quoted += "'\\''";
        else quoted += c;
    }
    return quoted + "'";
}

std::string findTerminal() {
    const char* path = std::getenv("PATH");
    if (!path) return {};
    const std::string folders = path;
    for (const char* name : {"x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal", "xterm"}) {
        for (std::size_t at = 0; at <= folders.size();) {
            std::size_t colon = std::min(folders.find(':', at), folders.size());
            const fs::path folder = folders.substr(at, colon - at);
            at = colon + 1;
            if (folder.empty()) continue;
            const fs::path candidate = folder / name;
            std::error_code ec;
            if (fs::is_regular_file(candidate, ec) && ::access(candidate.c_str(), X_OK) == 0) return candidate.string();
        }
    }
    return {};
}

bool dumpComplete(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    // The completion comment is followed by a few lines at most.
    const std::streamoff tail = std::min<std::streamoff>(size, 4096);
    in.seekg(size - tail);
    std::string text(static_cast<std::size_t>(tail), '\0');
    in.read(text.data(), tail);
    const std::string line = "-- PostgreSQL database dump complete";
    for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) {
        const bool startsLine = at == 0 || text[at - 1] == '\n';
        const std::size_t end = at + line.size();
        const bool endsLine = end < text.size() && (text[end] == '\n' || text[end] == '\r');
        if (startsLine && endsLine) return true;
    }
    return false;
}

}  // namespace backup

namespace {

std::string localTimestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d-%H-%M-%S", &local);
    return text;
}

// The company's data source record, or the alternative one the connection
// falls back to; nothing when neither exists or the store cannot be read.
std::optional<db::DataSourceRecord> companyDataSource(const std::string& numeBaza) {
    for (const std::string& dsn : {numeBaza + "PGSQLDSN", numeBaza + "PGSQLDSN_IP"}) {
        try {
            if (auto record = db::readDataSource(dsn)) return record;
        } catch (const db::DbError&) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The command line that prints the instructions in a terminal, then leaves
// the operator at an interactive shell in our current folder.
std::vector<std::string> terminalCommand(const std::string& terminal, const std::vector<std::string>& lines) {
    std::error_code ec;
    std::string script = "cd " + backup::shellQuote(fs::current_path(ec).string()) + " 2>/dev/null\nprintf '%s\\n'";
    for (const std::string& line : lines) script += " " + backup::shellQuote(line);
    script += "\nexec \"${SHELL:-/bin/sh}\" -i\n";
    const std::string name = fs::path(terminal).filename().string();
    // Each of them takes the program to run and its arguments at the end.
    const char* execute = name == "gnome-terminal" ? "--" : name == "xfce4-terminal" ? "-x" : "-e";
    return {terminal, execute, "/bin/sh", "-c", script};
}

}  // namespace

TbackupDatabaseFM::TbackupDatabaseFM()
    : ui::Form("backupDatabaseFM", "Backup baza de date", ui::Font{"MS Sans Serif", -11, true, ui::kNavy}) {
    clientWidth = 833;
    clientHeight = 529;
    centred = true;

    Label1.bounds = {16, 12, 0, 0};
    caleFisierDumpEB.bounds = {16, 32, 801, 21};
    caleFisierDumpEB.SetText(backup::defaultDumpToolPath().string());
    caleFisierDumpEB.OnClick = [this] { caleFisierDumpEBClick(); };
    OpenDialog1 = {"dump file", "pg_dump"};
    Panel1.bounds = {8, 66, 817, 3};
    Label6.bounds = {16, 80, 0, 0};
    bazaCB.bounds = {16, 100, 233, 21};
    bazaCB.font.bold = false;
    Label3.bounds = {272, 80, 545, 41};
    Label3.font.color = ui::kRed;
    Label3.wordWrap = true;
    Panel2.bounds = {8, 132, 817, 3};
    BitBtn1.bounds = {16, 146, 297, 33};
    BitBtn1.OnClick = [this] { BitBtn1Click(); };
    Label2.bounds = {16, 192, 0, 0};
    rezultatMM.bounds = {16, 210, 801, 263};
    rezultatMM.readOnly = true;
    rezultatMM.verticalScrollBar = true;
    rezultatMM.wordWrap = false;
    rezultatMM.font.color = ui::kRed;
    cmdBB.bounds = {16, 486, 233, 33};
    cmdBB.hasGlyph = true;
    cmdBB.SetVisible(false);
    cmdBB.OnClick = [this] { cmdBBClick(); };
    BitBtn2.bounds = {704, 486, 113, 33};
    BitBtn2.hasGlyph = true;
    BitBtn2.OnClick = [this] { BitBtn2Click(); };

    OnShow = [this] { FormShow(); };
}

void TbackupDatabaseFM::FormShow() {
    Form1->bazaCurenta = "db0000000";
    companies::incarcaListaFirme(bazaCB);
    // The main connection may still be open on the last company after a run;
    // its parameters take effect only when it is opened again.
    Form1->bazaDB.Close();
    Form1->selecteazaBazaCurenta();
    cmdBB.SetVisible(false);
}

void TbackupDatabaseFM::caleFisierDumpEBClick() {
    if (auto file = ui::application().OpenFile(OpenDialog1.filterDescription, OpenDialog1.filterPattern,
                                               caleFisierDumpEB.Text()))
        caleFisierDumpEB.SetText(*file);
}

void TbackupDatabaseFM::BitBtn1Click() {
    rezultatMM.Lines.Clear();
    std::error_code ec;
    const fs::path tool = caleFisierDumpEB.Text();
    if (caleFisierDumpEB.Text().empty() || !fs::exists(tool, ec) || fs::is_directory(tool, ec)) {
        ui::application().MessageBox(
            "Atentie! Fisierul pg_dump.exe nu se gaseste la locatia specificata.\r\nSelectati calea corecta spre "
            "fisierul pg_dump.exe ",
            "ATENTIONARE", ui::MB_ICONWARNING);
        caleFisierDumpEB.SetFocus();
        return;
    }
    for (int i = 0; i < bazaCB.Count(); ++i) {
        if (bazaCB.Item(i) != bazaCB.Text()) continue;
        const std::string numeBaza = "db" + companies::cifreFirma(bazaCB.Item(i));
        if (salveazaBaza(numeBaza)) {
            rezultatMM.Lines.Add("Salvarea bazei de date " + numeBaza + " s-a efectuat cu SUCCES!\r\nS-a creat fisierul '" +
                                 fisierBackup + "' in directorul '" + fs::current_path(ec).string() + "'");
            continue;
        }
        for (const std::string& line : {
                 "Baza de date " + numeBaza + "  NU este salvata! ",
                 std::string("Verificati urmatoarele :"),
                 std::string("Aveti grija ca parola introdusa sa fie corecta"),
                 std::string("Este posibil ca parola introdusa sa nu fie corecta!"),
                 std::string("Daca ati constatat una din erorile de mai sus Reincercati. Atentie - are importanta "
                             "daca scrieti parola cu caractere mari sau mici. "),
                 std::string(),
                 std::string("Daca ati incercat de mai multe ori urmati instructiunile de mai jos :"),
                 std::string("Deschideti command promptul din Windows sau apasati butonul de mai jos - Deschide "
                             "command prompt"),
                 std::string("Se va deschide o fereastra neagra in care trebuie sa scrieti urmatoarea comanda :"),
                 std::string(),
                 comandaDump,
                 std::string(),
                 std::string("Dupa ce ati executat comanda inchideti fereastra."),
                 std::string(),
                 std::string("Acum puteti efectua in siguranta upgradeul la noua versiune!"),
                 std::string(),
                 std::string("Daca nu ati reusit nici acum contactati suportul tehnic pentru aplicatie."),
             })
            rezultatMM.Lines.Add(line);
        cmdBB.SetVisible(true);
    }
}

void TbackupDatabaseFM::pregatesteComandaDump(const std::string& numeBaza) {
    fisierBackup = numeBaza + "_backup_" + localTimestamp();
    // The dump tool goes to the server of the company's data source, not to
    // its own default one.
    argumenteDump_ = {caleFisierDumpEB.Text()};
    if (auto record = companyDataSource(numeBaza)) {
        if (!record->servername.empty()) argumenteDump_.insert(argumenteDump_.end(), {"-h", record->servername});
        if (!record->port.empty()) argumenteDump_.insert(argumenteDump_.end(), {"-p", record->port});
    }
    argumenteDump_.insert(argumenteDump_.end(), {"-U", Form1->utilizatorEB.Text(), numeBaza});
    comandaDump.clear();
    for (const std::string& word : argumenteDump_) comandaDump += (comandaDump.empty() ? "" : " ") + backup::shellQuote(word);
    comandaDump += " > " + backup::shellQuote(fisierBackup);
}

bool TbackupDatabaseFM::salveazaBaza(const std::string& numeBaza) {
    pregatesteComandaDump(numeBaza);
    ui::application().ProcessPaintEvents();

    // A partial dump never carries the backup's name: the output goes to a
    // hidden name beside it and is renamed only once it is known complete.
    const fs::path partial = "." + fisierBackup + ".partial";
    std::vector<std::string> argv = argumenteDump_;
    // No console to ask in: without a password the tool must fail, not wait.
    argv.insert(argv.begin() + 1, "--no-password");
    sys::RunOptions options;
    options.environment.emplace_back("PGPASSWORD", companies::trim(Form1->parolaNouaEB.Text()));
    options.standardOutput = partial;
    const sys::RunResult result = sys::run(argv, options);

    std::error_code ec;
    std::string failure;
    if (!result.started) failure = result.error;
    else if (result.exitStatus != 0) failure = "exit status " + std::to_string(result.exitStatus);
    else if (!backup::dumpComplete(partial)) failure = "the dump is incomplete";
    else {
        fs::rename(partial, fisierBackup, ec);
        if (ec) failure = ec.message();
    }
    if (failure.empty()) {
        cmdBB.SetVisible(false);
        return true;
    }

    fs::remove(partial, ec);
    std::cerr << "EXEC: " << failure << std::endl;
    if (std::FILE* err = std::fopen("err.err", "wb")) {
        std::fwrite(comandaDump.data(), 1, comandaDump.size(), err);
        std::fclose(err);
    }
    ui::application().MessageBox("Baza de date nu a fost salvata! ", "ATENTIONARE", ui::MB_OK);
    return false;
}

std::string TbackupDatabaseFM::caleScurta(std::string_view path, int limit) {
    std::string result;
    std::size_t at = 0;
    while (at < path.size()) {
        const std::size_t slash = path.find('\\', at);
        const std::size_t end = slash == std::string_view::npos ? path.size() : slash;
        std::string component(path.substr(at, end - at));
        if (component.find(' ') != std::string::npos && component.size() > static_cast<std::size_t>(limit))
            component = component.substr(0, 6) + "~1";
        if (slash != std::string_view::npos) component += '\\';
        result += component;
        at = end + 1;
    }
    return result;
}

std::vector<std::string> TbackupDatabaseFM::instructiuniManuale() const {
    return {
        "Executati instructiunile urmatoare ",
        "------------------------------------",
        "1 - scrieti comanda dintre ghilimele ",
        "\" " + comandaDump + " \" ",
        "2 - apasati tasta ENTER ",
        "3 - introduceti parola cu care intrati in aplicatia Velantrix ",
        "3 - daca nu a aparut nici un mesaj pe ecran inseamna ca salvarea bazei de date s-a efectuat OK ",
        "    puteti sa inchideti aceasta fereastra ",
        "    daca au aparut mesaje pe ecran inseamna ca nu ati tastat corect calea se fisierul pg_dump.exe . "
        "Verificati acest lucru si reincercati. ",
    };
}

void TbackupDatabaseFM::cmdBBClick() {
    const std::vector<std::string> lines = instructiuniManuale();
    const std::string terminal = backup::findTerminal();
    if (terminal.empty()) {
        std::string text;
        for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
        ui::application().MessageBox(text, Caption(), ui::MB_OK);
        return;
    }
    // Waits until the terminal closes, as the command window did.
    sys::run(terminalCommand(terminal, lines));
}

void TbackupDatabaseFM::BitBtn2Click() { Close(); }
