#pragma once
// Small helpers of the window tests (their application: korvath::testing::ensureApplication).
#include <QDir>
#include <QWidget>

#include <cstdlib>

#include <gtest/gtest.h>

#include "common/testing/qt_application.h"

namespace korvath::qtwindows::testing {

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
