// The Qt rendering of the main window, on the offscreen platform: layout,
// end states, and a screenshot of each for a person to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "app/qt/qt_frontend.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/qt_offscreen.h"

namespace {

class QtWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::startOffscreenQt(); }

    // Runs the window to one of its end states and saves what it shows.
    QWidget* runAndCapture(const std::vector<std::string>& companies, const std::set<std::string>& failing,
                           const std::string& screenshot) {
        writeRegister(companies);
        windows.form1.failing = failing;
        qtfront::FormView& view = app.showMain(windows.form1);
        QApplication::processEvents();
        if (!windows.form1.updateFinalizat) windows.form1.Activated();
        QApplication::processEvents();
        const std::filesystem::path folder = std::filesystem::path(SCREENSHOT_DIR) / "screenshots";
        std::filesystem::create_directories(folder);
        EXPECT_TRUE(view.window()->grab().save(QString::fromStdString((folder / screenshot).string()), "PNG"));
        return view.window();
    }

    testsupport::TempRegistryStore store;
    qtfront::QtApplication app;
    Windows<ScriptedForm> windows;
};

TEST_F(QtWindowTest, AllUpdated) {
    QWidget* window = runAndCapture({"RO123456", "RO111"}, {}, "main-all-updated.png");
    EXPECT_EQ(window->size(), QSize(544, 452));
    EXPECT_EQ(window->windowTitle(), "Update Velantrix");
    auto* report = app.view(windows.form1)->widgetFor(&windows.form1.executateMM);
    EXPECT_TRUE(report->isVisible());
    EXPECT_TRUE(static_cast<QPlainTextEdit*>(report)->toPlainText().contains("SUCCES pentru toate firmele"));
    EXPECT_FALSE(app.view(windows.form1)->widgetFor(&windows.form1.Panel1)->isVisible());
    // The hidden memo lies outside the window.
    QWidget* hidden = app.view(windows.form1)->widgetFor(&windows.form1.mesajeMM);
    EXPECT_FALSE(window->rect().intersects(hidden->geometry()));
}

TEST_F(QtWindowTest, SomeFailed) {
    QWidget* window = runAndCapture({"RO1", "RO2", "RO3"}, {"RO2"}, "main-some-failed.png");
    qtfront::FormView& view = *app.view(windows.form1);
    QWidget* panel = view.widgetFor(&windows.form1.Panel1);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry().top(), 3);
    EXPECT_EQ(panel->height(), 185);
    EXPECT_TRUE(view.widgetFor(&windows.form1.utilizatorEB)->isVisible());
    EXPECT_EQ(view.widgetFor(&windows.form1.utilizatorEB)->geometry(), QRect(176, 8, 129, 21));
    auto* warning = static_cast<QLabel*>(view.widgetFor(&windows.form1.Label6));
    EXPECT_TRUE(warning->isVisible());
    QWidget* report = view.widgetFor(&windows.form1.executateMM);
    EXPECT_GE(report->geometry().top(), panel->geometry().bottom());
    EXPECT_LE(report->geometry().bottom(), window->height() - 52);
}

}  // namespace
