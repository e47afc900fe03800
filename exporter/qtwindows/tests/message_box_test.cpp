// Message boxes: what each type bit asks for, and the real box the plug-in's warnings get.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

#include "exporter/qtwindows/message_box_style.h"
#include "exporter/qtwindows/qt_window_system.h"
#include "exporter/qtwindows/tests/test_app.h"

namespace korvath::qtwindows {
namespace {

std::vector<int> ids(const BoxStyle& style) {
    std::vector<int> out;
    for (const BoxButton& b : style.buttons) out.push_back(b.id);
    return out;
}

TEST(MessageBoxStyle, TypeBitsChooseIconButtonsDefaultAndEscape) {
    struct Row {
        unsigned type;
        BoxIcon icon;
        std::vector<int> buttons;
        int defaultIndex;
        int escape;
    };
    const std::vector<Row> rows = {
        {0x30, BoxIcon::Warning, {1}, 0, 1},              // MB_OK | MB_ICONWARNING: the plug-in's boxes
        {0x10, BoxIcon::Error, {1}, 0, 1},
        {0x01 | 0x20, BoxIcon::Question, {1, 2}, 0, 2},  // OK Cancel
        {0x02, BoxIcon::None, {3, 4, 5}, 0, 0},           // Abort Retry Ignore: Escape does nothing
        {0x03 | 0x100, BoxIcon::None, {6, 7, 2}, 1, 2},   // Yes No Cancel, second button default
        {0x04 | 0x40 | 0x200, BoxIcon::Information, {6, 7}, 0, 0},  // a third default that is not there
        {0x05, BoxIcon::None, {4, 2}, 0, 2},
        {0x0F, BoxIcon::None, {1}, 0, 1},                 // unknown button bits: OK
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.type);
        const BoxStyle style = messageBoxStyle(r.type);
        EXPECT_EQ(style.icon, r.icon);
        EXPECT_EQ(ids(style), r.buttons);
        EXPECT_EQ(style.defaultIndex, r.defaultIndex);
        EXPECT_EQ(style.escapeId, r.escape);
    }
}

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Shows one box through the window system; `act` answers it once it is up.
int showBox(const char* text, const char* caption, unsigned type, Seen& seen, std::function<void(QMessageBox&)> act) {
    korvath::testing::ensureApplication();
    QtWindowSystem windows;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
        act(*box);
    });
    return windows.MessageBox(nullptr, text, caption, type);
}

TEST(QtMessageBox, PluginWarningShowsTitleTextIconAndOk) {
    Seen seen;
    const int answer = showBox("The mesh has no texture coords!\nZeros were written!", "Warning!", 0x30, seen,
                               [](QMessageBox& box) {
                                   testing::saveIfAsked(box, "warning");
                                   box.buttons().front()->click();
                               });
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(seen.title, "Warning!");
    EXPECT_EQ(seen.text, "The mesh has no texture coords!\nZeros were written!");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
}

TEST(QtMessageBox, KeysGiveTheTypesAnswers) {
    struct Row {
        unsigned type;
        Qt::Key key;
        int answer;
    };
    const std::vector<Row> rows = {
        {0x00, Qt::Key_Escape, 1},        // a lone OK takes Escape as OK
        {0x01, Qt::Key_Escape, 2},        // OK Cancel: Escape is Cancel
        {0x04 | 0x100, Qt::Key_Return, 7},  // Yes No with No as default
        {0x03, Qt::Key_Return, 6},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.type);
        Seen seen;
        EXPECT_EQ(showBox("Sure?", nullptr, r.type, seen, [&](QMessageBox& box) { QTest::keyClick(&box, r.key); }),
                  r.answer);
        EXPECT_EQ(seen.title, "Error");  // a box without a caption
    }
}

}  // namespace
}  // namespace korvath::qtwindows
