#pragma once
// One QApplication for the whole program on the X server the tests run under (the views need
// OpenGL, which the offscreen platform does not offer), and helpers to show a widget.
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace landforge::testing {

inline void ensureGlApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "landforge_views_gl_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // never destroyed: the GL contexts outlive the tests' scopes
    QApplication::setQuitOnLastWindowClosed(false);
}

inline bool showAndWait(QWidget& w, int width, int height) {
    w.resize(width, height);
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

}  // namespace landforge::testing
