#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/app/main_window_fixture.h"

namespace {

namespace fs = std::filesystem;

using MainWindowBehaviour = MainWindowTest;

TEST_F(MainWindowBehaviour, StartsWithTheLayoutAndStatesOfTheMainWindow) {
    EXPECT_EQ(form.Caption(), "Update Velantrix");
    EXPECT_EQ(form.clientWidth, 544);
    EXPECT_EQ(form.clientHeight, 452);
    EXPECT_FALSE(form.Panel1.Visible());
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_EQ(form.Timer1.interval, 10000);
    EXPECT_EQ(form.versiuneUpdateLL.Caption(),
              "Update la versiunea Velantrix - E-Factura E-Ttransport 2024.10.19.01");
    for (ui::Control* c : {static_cast<ui::Control*>(&form.utilizatorEB), static_cast<ui::Control*>(&form.parolaNouaEB),
                           static_cast<ui::Control*>(&form.bazaCB), static_cast<ui::Control*>(&form.Label2)}) {
        EXPECT_FALSE(c->Visible()) << c->Name();
        EXPECT_FALSE(c->Enabled()) << c->Name();
    }
    EXPECT_TRUE(form.backupBB.Visible());
    EXPECT_TRUE(form.backupBB.Enabled());
    EXPECT_EQ(form.parolaNouaEB.passwordChar, '*');
    EXPECT_EQ(form.bazaDB.Params.Count(), 17);
    // The hidden report memo and its labels lie below the fixed client area.
    for (const ui::Control* c : {static_cast<ui::Control*>(&form.mesajeMM), static_cast<ui::Control*>(&form.Label1),
                                 static_cast<ui::Control*>(&form.eroriLL)})
        EXPECT_GE(c->bounds.top, form.clientHeight) << c->Name();
}

TEST_F(MainWindowBehaviour, BackupButtonNeedsAUserName) {
    form.utilizatorEB.SetText("   ");
    form.backupBB.Click();
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].text, "Nu ati preluat utilizatorul");
    EXPECT_EQ(app.boxes[0].caption, "Atentionare");
    EXPECT_EQ(app.boxes[0].flags, 48);
    EXPECT_TRUE(form.utilizatorEB.Focused());
    EXPECT_TRUE(app.modal.empty());

    form.utilizatorEB.SetText("admin");
    form.backupBB.Click();
    EXPECT_EQ(app.modal, (std::vector<std::string>{"backupDatabaseFM"}));
}

TEST_F(MainWindowBehaviour, EnterMovesFromUserToPasswordToBackupButton) {
    form.utilizatorEB.KeyUp('A');
    EXPECT_FALSE(form.parolaNouaEB.Focused());
    form.utilizatorEB.KeyUp(13);
    EXPECT_TRUE(form.parolaNouaEB.Focused());
    form.parolaNouaEB.KeyUp(13);
    EXPECT_TRUE(form.backupBB.Focused());
}

// A registration tool that records its arguments, in a system folder of the test's own.
class ExitRegistrationTest : public MainWindowTest {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("velantrix-system-" + std::to_string(getpid()));
        fs::create_directories(folder);
        setenv("VELANTRIX_SYSTEM_DIR", folder.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("VELANTRIX_SYSTEM_DIR");
        fs::remove_all(folder);
    }
    void installRecordingTool() {
        const fs::path tool = folder / "Regsvr32.exe";
        std::ofstream(tool) << "#!/bin/sh\nprintf '%s|' \"$@\" >> \"" << (folder / "calls").string() << "\"\n";
        fs::permissions(tool, fs::perms::owner_all);
    }
    std::string calls() const {
        std::ifstream in(folder / "calls");
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    fs::path folder;
};

TEST_F(ExitRegistrationTest, EveryWayOfClosingRegistersTheControlFile) {
    installRecordingTool();
    form.Close();  // the close box
    EXPECT_EQ(calls(), "/s|RU260Vude.ocx|");

    form.reopen();
    form.Timer1Timer();  // the timed close clicks the exit button
    EXPECT_TRUE(form.closed());
    EXPECT_EQ(calls(), "/s|RU260Vude.ocx|/s|RU260Vude.ocx|");
}

TEST_F(ExitRegistrationTest, AMissingRegistrationToolIsNotReported) {
    form.iesireBB.Click();
    EXPECT_TRUE(form.closed());
    EXPECT_TRUE(app.boxes.empty());
}

}  // namespace
