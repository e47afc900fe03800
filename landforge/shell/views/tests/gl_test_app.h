#pragma once
// Showing a widget and waiting for it. The views need OpenGL, which the offscreen platform does
// not offer: the tests' QApplication (korvath::testing::ensureApplication) runs on the X server
// the tests run under.
#include <QTest>
#include <QWidget>

namespace landforge::testing {

inline bool showAndWait(QWidget& w, int width, int height) {
    w.resize(width, height);
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

}  // namespace landforge::testing
