#pragma once

#include <QApplication>
#include <cstdlib>

namespace testsupport {

// One Qt application on the offscreen platform for the whole test program.
// Never destroyed: windows may outlive the tests, and destroying them at
// exit, after Qt's own statics, crashes.
inline void startOffscreenQt() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "velantrix-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

}  // namespace testsupport
