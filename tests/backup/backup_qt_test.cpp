// The backup dialog rendered by the Qt front end on the offscreen platform,
// with the real open-file dialog, and screenshots for a person to look at.
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/qt/qt_frontend.h"
#include "tests/backup/backup_fixture.h"
#include "tests/support/qt_offscreen.h"

namespace backuptest {
namespace {

class QtBackupDialog : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::startOffscreenQt(); }

    // Runs `inside` while the dialog is shown modally, then closes it with
    // its exit button.
    void whileShown(const std::function<void()>& inside) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            inside();
            ran = true;
            windows.backup.BitBtn2.Click();
        });
        windows.form1.utilizatorEB.SetText("demo");
        windows.form1.backupBB.Click();
        EXPECT_TRUE(ran);
    }

    // Answers the next modal window (a file dialog or a message box) once it
    // is up: `answer` gets it and decides.
    static void whenModal(const std::function<void(QWidget*)>& answer) {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll, answer] {
            QWidget* modal = QApplication::activeModalWidget();
            // The backup dialog itself is modal too.
            if (modal && modal->windowTitle() != "Backup baza de date") {
                poll->stop();
                poll->deleteLater();
                answer(modal);
                // An answer that failed must not leave the test waiting.
                if (modal->isVisible()) qobject_cast<QDialog*>(modal)->reject();
            }
        });
        poll->start(20);
    }

    template <typename W>
    W* widget(const ui::Control& control) {
        return qobject_cast<W*>(app.view(windows.backup)->widgetFor(&control));
    }

    void screenshot(const std::string& name) {
        const fs::path folder = fs::path(SCREENSHOT_DIR) / "screenshots";
        fs::create_directories(folder);
        EXPECT_TRUE(app.view(windows.backup)->window()->grab().save(QString::fromStdString((folder / name).string()), "PNG"));
    }

    testsupport::TempRegistryStore store;
    qtfront::QtApplication app;
    Windows<ScriptedForm> windows;
    WorkFolder work;
    ToolFolder tools;
};

TEST_F(QtBackupDialog, ShowsItsComponentsAndTheFailureState) {
    writeRegister({"RO123456", "RO111"});
    const fs::path tool = tools.script("pg_dump", "exit 1\n");
    whileShown([&] {
        QWidget* window = app.view(windows.backup)->window();
        EXPECT_EQ(window->windowTitle(), "Backup baza de date");
        EXPECT_EQ(window->size(), QSize(833, 529));
        EXPECT_EQ(widget<QLabel>(windows.backup.Label1)->text(), "Selectati calea spre fisierul pg_dump.exe");
        EXPECT_TRUE(widget<QLabel>(windows.backup.Label3)->wordWrap());
        auto* list = widget<QComboBox>(windows.backup.bazaCB);
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentText(), "RO111");
        EXPECT_TRUE(widget<QPlainTextEdit>(windows.backup.rezultatMM)->isReadOnly());
        EXPECT_FALSE(widget<QPushButton>(windows.backup.cmdBB)->isVisible());
        EXPECT_TRUE(widget<QPushButton>(windows.backup.BitBtn2)->isVisible());
        // Every control lies inside the window.
        for (ui::Control* control : windows.backup.controls())
            EXPECT_TRUE(window->rect().contains(app.view(windows.backup)->widgetFor(control)->geometry()))
                << control->Name();
        screenshot("backup-shown.png");

        windows.backup.caleFisierDumpEB.SetText(tool.string());
        whenModal([](QWidget* box) { qobject_cast<QDialog*>(box)->accept(); });
        testing::internal::CaptureStderr();
        widget<QPushButton>(windows.backup.BitBtn1)->click();
        testing::internal::GetCapturedStderr();
        EXPECT_TRUE(widget<QPushButton>(windows.backup.cmdBB)->isVisible());
        const QString shown = widget<QPlainTextEdit>(windows.backup.rezultatMM)->toPlainText();
        EXPECT_TRUE(shown.startsWith("Baza de date db111  NU este salvata! \nVerificati urmatoarele :")) << shown.toStdString();
        screenshot("backup-failed.png");
    });
    EXPECT_TRUE(windows.backup.closed());
}

TEST_F(QtBackupDialog, AClickInThePathBoxPicksTheToolWithTheFileDialog) {
    const fs::path tool = tools.script("pg_dump", "exit 0\n");
    const std::string before = windows.backup.caleFisierDumpEB.Text();
    whileShown([&] {
        QWidget* box = app.view(windows.backup)->widgetFor(&windows.backup.caleFisierDumpEB);
        auto click = [box] {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(box, &press);
            QApplication::sendEvent(box, &release);
        };
        // Cancelled: nothing changes.
        whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        click();
        EXPECT_EQ(windows.backup.caleFisierDumpEB.Text(), before);
        EXPECT_EQ(fs::current_path(), work.path());

        std::string filter;
        whenModal([&](QWidget* modal) {
            auto* files = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(files, nullptr);
            filter = files->selectedNameFilter().toStdString();
            // Typed into the name box, as selectFile leaves a focused box alone.
            auto* name = files->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(QString::fromStdString(tool.string()));
            static_cast<QDialog*>(files)->accept();  // public there, protected here
        });
        click();
        EXPECT_EQ(filter, "dump file (pg_dump)");
        EXPECT_EQ(windows.backup.caleFisierDumpEB.Text(), tool.string());
        EXPECT_EQ(widget<QLineEdit>(windows.backup.caleFisierDumpEB)->text().toStdString(), tool.string());
        // The current folder follows the chosen file, and backups go there.
        EXPECT_EQ(fs::current_path(), tools.path());
    });
}

}  // namespace
}  // namespace backuptest
