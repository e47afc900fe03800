#pragma once
// One QApplication for the whole test program (gtest_main makes none), and small helpers.
#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdlib>

#include <gtest/gtest.h>

namespace korvath::qtwindows::testing {

inline void ensureApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "exporter_qtwindows_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // never destroyed: Qt must not be torn down at exit
    QApplication::setQuitOnLastWindowClosed(false);
}

// With KORVATHEXP_SCREENSHOTS set to a folder, saves `window` there as NAME.png to look at.
inline void saveIfAsked(QWidget& window, const char* name) {
    const char* folder = std::getenv("KORVATHEXP_SCREENSHOTS");
    if (folder && *folder) window.grab().save(QDir(folder).filePath(QString(name) + ".png"), "PNG");
}

template <typename T>
T* child(const QWidget& window, int id) {
    T* widget = window.findChild<T*>(QString::number(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

}  // namespace korvath::qtwindows::testing
