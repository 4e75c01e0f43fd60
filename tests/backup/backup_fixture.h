#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "backup/backup_dialog.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/files.h"
#include "tests/support/test_cluster.h"

namespace backuptest {

namespace fs = std::filesystem;

inline fs::path makeTempFolder(const std::string& prefix) {
    std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    return fs::canonical(pattern);
}

// A fresh folder that is the current directory while it lives: the backups
// and err.err land there.
class WorkFolder {
public:
    WorkFolder() : previous_(fs::current_path()), path_(makeTempFolder("velantrix-backup-work")) {
        fs::current_path(path_);
    }
    ~WorkFolder() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }
    // The names of everything in it.
    std::set<std::string> names() const {
        std::set<std::string> result;
        for (const auto& entry : fs::directory_iterator(path_)) result.insert(entry.path().filename().string());
        return result;
    }

private:
    fs::path previous_;
    fs::path path_;
};

// A folder outside the work folder for stand-in tools and their records.
class ToolFolder {
public:
    ToolFolder() : path_(makeTempFolder("velantrix-backup-tools")) {}
    ~ToolFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }
    fs::path script(const std::string& name, const std::string& body) const {
        const fs::path file = path_ / name;
        std::ofstream(file) << "#!/bin/sh\n" << body;
        fs::permissions(file, fs::perms::owner_all);
        return file;
    }

private:
    fs::path path_;
};

using testsupport::readFile;

inline std::vector<std::string> readLines(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The main window and the backup dialog over the test cluster, the
// administrator's credentials typed in, the real dump tool in the path box,
// and a work folder of the test's own as the current directory.
class BackupTest : public MainWindowTest {
protected:
    void SetUp() override {
        dialog.caleFisierDumpEB.SetText(pgDump);
        form.utilizatorEB.SetText("demo");
        form.parolaNouaEB.SetText("lynx");
    }

    // A company in the register whose database holds two invoices, and its
    // data source record.
    void addCompany(const std::string& entry) {
        writeRegister({entry});
        const std::string db = companies::numeBaza(entry);
        cluster.dropDatabase(db);
        cluster.createDatabase(db);
        cluster.execute(db,
                        "SET ROLE demo;"
                        "CREATE TABLE facturi (idfacturi SERIAL PRIMARY KEY, numar TEXT NOT NULL, total NUMERIC(12,2));"
                        "INSERT INTO facturi (numar, total) VALUES ('F1', 100.50), ('F2', 20);");
        testsupport::writeDataSource(db + "PGSQLDSN", db);
    }

    // The backup button of the main window shows the dialog.
    void open() { form.backupBB.Click(); }

    void select(const std::string& entry) {
        const auto& items = dialog.bazaCB.Items();
        auto at = std::find(items.begin(), items.end(), entry);
        ASSERT_NE(at, items.end()) << entry;
        dialog.bazaCB.SetItemIndex(static_cast<int>(at - items.begin()));
    }

    std::vector<std::string> report() const { return dialog.rezultatMM.Lines.lines(); }

    // The report of a failed dump of `db`.
    std::vector<std::string> failureReport(const std::string& db) const {
        return {"Baza de date " + db + "  NU este salvata! ",
                "Verificati urmatoarele :",
                "Aveti grija ca parola introdusa sa fie corecta",
                "Este posibil ca parola introdusa sa nu fie corecta!",
                "Daca ati constatat una din erorile de mai sus Reincercati. Atentie - are importanta daca scrieti "
                "parola cu caractere mari sau mici. ",
                "",
                "Daca ati incercat de mai multe ori urmati instructiunile de mai jos :",
                "Deschideti command promptul din Windows sau apasati butonul de mai jos - Deschide command prompt",
                "Se va deschide o fereastra neagra in care trebuie sa scrieti urmatoarea comanda :",
                "",
                dialog.comandaDump,
                "",
                "Dupa ce ati executat comanda inchideti fereastra.",
                "",
                "Acum puteti efectua in siguranta upgradeul la noua versiune!",
                "",
                "Daca nu ati reusit nici acum contactati suportul tehnic pentru aplicatie."};
    }

    std::string successReport(const std::string& db) const {
        return "Salvarea bazei de date " + db + " s-a efectuat cu SUCCES!\r\nS-a creat fisierul '" +
               dialog.fisierBackup + "' in directorul '" + work.path().string() + "'";
    }

    testsupport::TestCluster& cluster = testsupport::TestCluster::get();
    WorkFolder work;
    ToolFolder tools;
    TbackupDatabaseFM& dialog = windows.backup;
    const std::string pgDump = cluster.binDir() + "/pg_dump";
    const std::string port = std::to_string(cluster.port());
};

}  // namespace backuptest
