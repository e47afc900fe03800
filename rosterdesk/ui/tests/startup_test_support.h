#pragma once
// Helpers of the start-up window tests: controls by name, and an interaction that runs chosen
// dialogs for real while a timer drives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <string>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/qt_application.h"

namespace rosterdesk::testing {

template <typename T>
T* child(QWidget& window, const QString& name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

inline void click(QWidget& window, const QString& name) {
    if (auto* button = child<QPushButton>(window, name)) QTest::mouseClick(button, Qt::LeftButton);
}

// The top-level widget named `name` that is visible now, if any.
inline QWidget* visibleWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

// Scripted answers, except that the dialogs given a driver are really shown: the driver runs
// once the dialog is up and must close it.
class DrivenInteraction : public korvath::ScriptedInteraction {
public:
    std::map<std::string, std::function<void(QWidget&)>> drivers;
    std::vector<std::string> driven;

    int runDialog(const std::string& name, const std::function<int()>& show) override {
        auto found = drivers.find(name);
        if (found == drivers.end()) return ScriptedInteraction::runDialog(name, show);
        driven.push_back(name);
        auto driver = found->second;
        QTimer::singleShot(0, [driver, name] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr) << name;
            driver(*dialog);
        });
        return show();
    }
};

// Clicks the splash window's Close button as soon as start-up enables it.
class SplashCloser {
public:
    explicit SplashCloser(std::function<void(QWidget&)> beforeClose = {}) : before_(std::move(beforeClose)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* splash = visibleWindow("frmSplash");
            auto* close = splash ? splash->findChild<QPushButton*>("cmdClose") : nullptr;
            if (!close || !close->isEnabled()) return;
            timer_.stop();
            if (before_) before_(*splash);
            QTest::mouseClick(close, Qt::LeftButton);
        });
        timer_.start(10);
    }

private:
    std::function<void(QWidget&)> before_;
    QTimer timer_;
};

}  // namespace rosterdesk::testing
