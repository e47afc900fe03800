// The plug-in's templates as real dialogs: controls at their dialog-unit places, and what the
// dialog procedure receives and returns when the user types, ticks, presses and closes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <functional>
#include <vector>

#include "exporter/plugin/dialogs.h"
#include "exporter/plugin/korvathexp.h"
#include "exporter/qtwindows/qt_window_system.h"
#include "exporter/qtwindows/template_dialog.h"
#include "exporter/qtwindows/tests/test_app.h"
#include "exporter/scene/plugin_library.h"

namespace korvath::qtwindows {
namespace {

using namespace hostsdk;
using testing::child;

struct Received {
    unsigned message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Received&) const = default;
};
std::vector<Received> g_received;

// Records every message; OK ends the dialog with 42, nothing else ends it.
INT_PTR RecordingProc(DialogWindow& dialog, unsigned message, WPARAM wParam, LPARAM lParam) {
    g_received.push_back({message, wParam, lParam});
    if (message == WM_COMMAND && wParam == IDOK) {
        dialog.EndDialog(42);
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

INT_PTR NoProc(DialogWindow&, unsigned, WPARAM, LPARAM) { return FALSE; }

class TemplateDialogTest : public ::testing::Test {
protected:
    QtWindowSystem windows;
    void SetUp() override {
        korvath::testing::ensureApplication();
        g_received.clear();
    }
    // Runs `dialog` with `procedure`; `act` is what the user does once it is on the screen.
    INT_PTR run(const DialogTemplate& dialog, DLGPROC procedure, LPARAM init, std::function<void(TemplateDialog&)> act) {
        windows.setDialogShownListener(std::move(act));
        return windows.DialogBoxParam(dialog, nullptr, procedure, init);
    }
};

TEST_F(TemplateDialogTest, OptionsDialogPlacesEveryControlInDialogUnits) {
    TemplateDialog dialog(korvathexp::OptionsTemplate(), NoProc, nullptr);
    const DialogBaseUnits u = dialog.baseUnits();
    ASSERT_GT(u.charWidth, 2);
    ASSERT_GT(u.charHeight, u.charWidth);
    EXPECT_EQ(dialog.windowTitle(), "Korvath Exporter v1");
    EXPECT_EQ(dialog.size(), QSize(horizontalPixels(168, u), verticalPixels(119, u)));
    auto rect = [&u](int x, int y, int w, int h) {
        return QRect(horizontalPixels(x, u), verticalPixels(y, u), horizontalPixels(w, u), verticalPixels(h, u));
    };
    EXPECT_EQ(child<QLineEdit>(dialog, 1021)->geometry(), rect(7, 17, 92, 12));
    EXPECT_EQ(child<QLineEdit>(dialog, 1021)->text(), "");
    auto* append = child<QCheckBox>(dialog, 1022);
    EXPECT_EQ(append->geometry(), rect(7, 34, 76, 10));
    EXPECT_EQ(append->text(), "Append animations");
    EXPECT_FALSE(append->isChecked());
    auto* ok = child<QPushButton>(dialog, 1);
    EXPECT_EQ(ok->geometry(), rect(111, 7, 50, 14));
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    auto* cancel = child<QPushButton>(dialog, 2);
    EXPECT_EQ(cancel->geometry(), rect(111, 24, 50, 14));
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_FALSE(cancel->isDefault());
    std::vector<std::pair<QString, QRect>> labels;
    for (auto* label : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) labels.emplace_back(label->text(), label->geometry());
    const std::vector<std::pair<QString, QRect>> expected = {
        {"Frame Range: (ie: 1-5,10,15)", rect(8, 8, 91, 8)},
        {"Notes:\nExcludes: '!' , 'bip', 'link' and 'bone' name prefixes.", rect(7, 78, 154, 25)}};
    EXPECT_EQ(labels, expected);
}

TEST_F(TemplateDialogTest, AboutBoxHasItsFrameCentredTextAndOk) {
    TemplateDialog dialog(korvathexp::AboutTemplate(), NoProc, nullptr);
    const DialogBaseUnits u = dialog.baseUnits();
    EXPECT_EQ(dialog.windowTitle(), "About Korvath Export");
    EXPECT_EQ(dialog.size(), QSize(horizontalPixels(172, u), verticalPixels(76, u)));
    auto groups = dialog.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups[0]->geometry().topLeft(), QPoint(horizontalPixels(7, u), verticalPixels(7, u)));
    auto labels = dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_TRUE(labels[0]->text().startsWith("Korvath File Exporter v1.0 (3D Studio Max 3)\n"));
    EXPECT_TRUE(labels[0]->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(labels[0]->wordWrap());
    EXPECT_TRUE(child<QPushButton>(dialog, 1)->isDefault());
    EXPECT_EQ(child<QPushButton>(dialog, 1)->geometry().topLeft(), QPoint(horizontalPixels(60, u), verticalPixels(55, u)));
}

TEST_F(TemplateDialogTest, ProcedureGetsEditsClicksAndReadsTheControls) {
    std::string readText;
    unsigned readCheck = 2;
    const INT_PTR result = run(korvathexp::OptionsTemplate(), RecordingProc, 1234, [&](TemplateDialog& d) {
        QTest::keyClicks(child<QLineEdit>(d, 1021), "1-3");
        QTest::mouseClick(child<QCheckBox>(d, 1022), Qt::LeftButton);
        char small[3];
        EXPECT_EQ(d.GetDlgItemText(1021, small, sizeof small), 2u);  // cut to maxCount - 1
        EXPECT_STREQ(small, "1-");
        EXPECT_EQ(d.GetDlgItemText(1021, small, 0), 0u);
        char text[64];
        d.GetDlgItemText(1021, text, sizeof text);
        readText = text;
        readCheck = d.IsDlgButtonChecked(1022);
        EXPECT_EQ(d.IsDlgButtonChecked(1021), 0u);  // not a check box
        QTest::mouseClick(child<QPushButton>(d, 1), Qt::LeftButton);
    });
    EXPECT_EQ(result, 42);
    EXPECT_EQ(readText, "1-3");
    EXPECT_EQ(readCheck, 1u);
    const WPARAM editChanged = (0x300u << 16) | 1021u;
    const std::vector<Received> expected = {{WM_INITDIALOG, 0, 1234},   {WM_COMMAND, editChanged, 0},
                                            {WM_COMMAND, editChanged, 0}, {WM_COMMAND, editChanged, 0},
                                            {WM_COMMAND, 1022, 0},       {WM_COMMAND, IDOK, 0}};
    EXPECT_EQ(g_received, expected);
}

TEST_F(TemplateDialogTest, EscapeAndCloseBoxAreCancelAndCloseMessages) {
    // The recording procedure ends only on OK: Escape and the close box must not close the
    // dialog behind its back.
    const INT_PTR result = run(korvathexp::OptionsTemplate(), RecordingProc, 0, [&](TemplateDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        d.close();
        QCoreApplication::processEvents();
        EXPECT_TRUE(d.isVisible());
        QTest::keyClick(child<QLineEdit>(d, 1021), Qt::Key_Return);  // Enter presses the default button
    });
    EXPECT_EQ(result, 42);
    const std::vector<Received> expected = {{WM_INITDIALOG, 0, 0}, {WM_COMMAND, IDCANCEL, 0}, {WM_CLOSE, 0, 0},
                                            {WM_COMMAND, IDCANCEL, 0}, {WM_COMMAND, IDOK, 0}};
    EXPECT_EQ(g_received, expected);
}

// The plug-in's own options procedure: what the user does and what the exporter ends with.
TEST_F(TemplateDialogTest, OptionsProcedureFillsTheExporterOnOkOnly) {
    struct Case {
        const char* name;
        std::function<void(TemplateDialog&)> act;
        INT_PTR result;
        std::vector<int> frames;
        bool append;
    };
    const std::vector<int> before = {99};
    const std::vector<Case> cases = {
        {"type, tick, OK",
         [](TemplateDialog& d) {
             QTest::keyClicks(child<QLineEdit>(d, 1021), "1-3,7");
             QTest::mouseClick(child<QCheckBox>(d, 1022), Qt::LeftButton);
             QTest::mouseClick(child<QPushButton>(d, 1), Qt::LeftButton);
         },
         1, {1, 2, 3, 7}, true},
        {"empty box, Enter: the whole range",
         [](TemplateDialog& d) { QTest::keyClick(child<QLineEdit>(d, 1021), Qt::Key_Return); }, 1,
         {0, 1, 2, 3, 4, 5, 6, 7, 8}, false},
        {"tick twice, OK",
         [](TemplateDialog& d) {
             QTest::keyClicks(child<QLineEdit>(d, 1021), "5-3");
             QTest::mouseClick(child<QCheckBox>(d, 1022), Qt::LeftButton);
             QTest::mouseClick(child<QCheckBox>(d, 1022), Qt::LeftButton);
             QTest::mouseClick(child<QPushButton>(d, 1), Qt::LeftButton);
         },
         1, {5, 4, 3}, false},
        {"type, tick, Cancel",
         [](TemplateDialog& d) {
             QTest::keyClicks(child<QLineEdit>(d, 1021), "2");
             QTest::mouseClick(child<QCheckBox>(d, 1022), Qt::LeftButton);
             QTest::mouseClick(child<QPushButton>(d, 2), Qt::LeftButton);
         },
         0, before, false},
        {"Escape", [](TemplateDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 0, before, false},
        {"close box", [](TemplateDialog& d) { d.close(); }, 0, before, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        korvathexp::KorvathExp exp;
        exp.startFrame = 0;
        exp.endFrame = 8;
        exp.frames = before;
        EXPECT_EQ(run(korvathexp::OptionsTemplate(), korvathexp::OptionsProc, reinterpret_cast<LPARAM>(&exp), c.act),
                  c.result);
        EXPECT_EQ(exp.frames, c.frames);
        EXPECT_EQ(exp.append, c.append);
    }
}

// The about box as a host opens it, through the loaded plug-in, centred over the host's window.
TEST_F(TemplateDialogTest, AboutBoxFromThePluginIsCentredAndOkCloses) {
    std::string error;
    auto library = scene::PluginLibrary::load(KORVATHEXP_PLUGIN_PATH, error);
    ASSERT_TRUE(library) << error;
    auto exporter = library->createExporter();
    ASSERT_TRUE(exporter);
    QWidget hostWindow;
    hostWindow.setGeometry(100, 80, 600, 400);
    hostWindow.show();
    HostWindow main{&windows, "host"};
    windows.setWidget(&main, &hostWindow);
    std::vector<INT_PTR> ended;
    windows.setDialogEndedListener([&](const DialogTemplate& d, INT_PTR result) {
        EXPECT_EQ(d.resourceId, 102);
        ended.push_back(result);
    });
    QPoint centre;
    windows.setDialogShownListener([&](TemplateDialog& d) {
        EXPECT_EQ(d.windowTitle(), "About Korvath Export");
        centre = d.frameGeometry().center();
        QTest::mouseClick(child<QPushButton>(d, 1), Qt::LeftButton);
    });
    exporter->ShowAbout(&main);
    EXPECT_LE((centre - hostWindow.frameGeometry().center()).manhattanLength(), 2);
    windows.setDialogShownListener([](TemplateDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    exporter->ShowAbout(&main);
    EXPECT_EQ(ended, (std::vector<INT_PTR>{1, 0}));
}

}  // namespace
}  // namespace korvath::qtwindows
