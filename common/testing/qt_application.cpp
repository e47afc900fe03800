#include "common/testing/qt_application.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace korvath::testing {

void ensureApplication(std::optional<QSize> offscreenScreen) {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "korvath_window_tests";
    static char option[] = "-platform";
    static QByteArray platform;
    static char* argv[] = {name, nullptr, nullptr, nullptr};
    QString config;
    if (offscreenScreen) {
        // The screen is read while the application starts; the file is not needed after that.
        config = QDir::temp().filePath(
            QString("korvath-test-screen-%1.json").arg(QCoreApplication::applicationPid()));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QString(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": %1, "height": %2,
                                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                           .arg(offscreenScreen->width())
                           .arg(offscreenScreen->height())
                           .toUtf8());
        platform = ("offscreen:configfile=" + config).toLocal8Bit();
        argc = 3;
        argv[1] = option;
        argv[2] = platform.data();
    }
    new QApplication(argc, argv);
    if (!config.isEmpty()) QFile::remove(config);
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace korvath::testing
