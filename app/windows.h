#pragma once

#include <string_view>
#include <vector>

#include "app/form1.h"
#include "backup/backup_dialog.h"
#include "platform/ui/form.h"

// The holder of the statement list; never shown.
class TutilityFM : public ui::Form {
public:
    TutilityFM();
    // The statement list: references to the script's constant texts.
    std::vector<std::string_view> listaFraze;
    // Makes a fresh statement list in ascending row order.
    void construiesteFrazeUpgrade();
    // Tests hand the engine a list of their own through this.
    void useStatements(std::vector<std::string_view> statements);

private:
    bool ownStatements_ = false;
    std::vector<std::string_view> statements_;
};

// A status window with a per-company log; no path of the program shows it.
class TstatusUpdateFM : public ui::Form {
public:
    TstatusUpdateFM();
    ui::Memo statusUpdateMM{"statusUpdateMM", this};
};

// The process-wide windows, created in this order at start-up.
extern TForm1* Form1;
extern TutilityFM* utilityFM;
extern TbackupDatabaseFM* backupDatabaseFM;
extern TstatusUpdateFM* statusUpdateFM;

// Creates the four windows in their order and points the process-wide
// variables at them for as long as it lives. `MainForm` lets tests use a
// main window of their own that replaces the database operations.
template <typename MainForm = TForm1>
struct Windows {
    MainForm form1;
    TutilityFM utility;
    TbackupDatabaseFM backup;
    TstatusUpdateFM status;
    Windows() {
        Form1 = &form1;
        utilityFM = &utility;
        backupDatabaseFM = &backup;
        statusUpdateFM = &status;
    }
    ~Windows() { Form1 = nullptr, utilityFM = nullptr, backupDatabaseFM = nullptr, statusUpdateFM = nullptr; }
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;
};
