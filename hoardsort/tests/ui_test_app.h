#pragma once
// One QApplication for a whole test program (gtest_main creates none), on an offscreen screen of
// a known size (1024 × 768) so window placement can be checked.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <unistd.h>

namespace hoardsort::testing {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;

inline void ensureApplication() {
    if (QApplication::instance()) return;
    // The screen is read while the application starts; the file is not needed after that.
    static QString config = QDir::temp().filePath(QString("hoardsort-ui-screen-%1.json").arg(::getpid()));
    static QByteArray platform = [] {
        QFile file(config);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QString(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": %1, "height": %2,
                                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                           .arg(kScreenWidth)
                           .arg(kScreenHeight)
                           .toUtf8());
        return ("offscreen:configfile=" + config).toLocal8Bit();
    }();
    static int argc = 3;
    static char name[] = "hoardsort_ui_tests";
    static char option[] = "-platform";
    static char* argv[] = {name, option, platform.data(), nullptr};
    // Never destroyed: tearing Qt down during static destruction crashes after QFileSystemModel.
    new QApplication(argc, argv);
    QFile::remove(config);
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace hoardsort::testing
