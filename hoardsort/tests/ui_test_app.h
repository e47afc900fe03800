#pragma once
// One QApplication for a whole test program (gtest_main creates none).
#include <QApplication>

namespace hoardsort::testing {

inline void ensureApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "hoardsort_ui_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down during static destruction crashes after QFileSystemModel.
    new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace hoardsort::testing
