// The erosion dialogs (fields by id, text selected on open and on Tab, values read back) and
// the progress display's Cancel by Escape.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <memory>

#include "common/testing/qt_application.h"
#include "landforge/shell/dialogs/erosion_dialog.h"

namespace landforge::shell {
namespace {

using korvath::testing::ensureApplication;

QLineEdit* edit(QWidget& d, int id) { return d.findChild<QLineEdit*>(QString::number(id)); }

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<ErosionDialog>()> make;
    std::vector<std::pair<int, QString>> shown;  // each field with the text it starts with
    int viewButton;
};

TEST(ErosionDialogs, FieldsAreSelectedOnOpenAndOnTabAndTypingReplacesThem) {
    ensureApplication();
    const std::vector<DialogCase> cases{
        {"thermal",
         [] {
             return std::make_unique<ThermalErosionDialog>(ThermalErosionValues{{50, 30.0f, 0.5f}, false});
         },
         {{kIterationsId, "50"}, {kTalusAngleId, "30.000"}, {kAmountId, ".500"}},
         kThermalViewAreaId},
        {"hydraulic",
         [] {
             return std::make_unique<HydraulicErosionDialog>(
                 HydraulicErosionValues{{50000, 1.0f, 0.3f, 0.25f, 0.02f, 17}, false});
         },
         {{kDropletsId, "50000"},
          {kRainId, "1.000"},
          {kErosionRateId, ".300"},
          {kDepositionRateId, ".250"},
          {kEvaporationId, ".020"},
          {kErosionSeedId, "17"}},
         kHydraulicViewAreaId},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<ErosionDialog> d = c.make();
        d->show();
        d->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
        for (std::size_t k = 0; k < c.shown.size(); ++k) {
            QLineEdit* field = edit(*d, c.shown[k].first);
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(field->text(), c.shown[k].second);
            EXPECT_TRUE(field->hasFocus());
            EXPECT_EQ(field->selectedText(), field->text()) << "field " << c.shown[k].first;
            QTest::keyClicks(field, "7");  // replaces the selected value
            EXPECT_EQ(field->text(), "7");
            QTest::keyClick(field, Qt::Key_Tab);
        }
        d->findChild<QRadioButton*>(QString::number(c.viewButton))->setChecked(true);
        QTimer::singleShot(0, d.get(), [&d] { d->findChild<QPushButton*>(idName(kOkId))->click(); });
        EXPECT_EQ(d->exec(), kOkId);
        if (auto* t = dynamic_cast<ThermalErosionDialog*>(d.get())) {
            ThermalErosionValues v = t->values();
            EXPECT_EQ(v.settings.iterations, 7);
            EXPECT_EQ(v.settings.talusAngle, 7.0f);
            EXPECT_TRUE(v.viewOnly);
        } else {
            HydraulicErosionValues v = static_cast<HydraulicErosionDialog*>(d.get())->values();
            EXPECT_EQ(v.settings.droplets, 7);
            EXPECT_EQ(v.settings.evaporation, 7.0f);  // the limits come later
            EXPECT_EQ(v.settings.seed, 7u);
            EXPECT_TRUE(v.viewOnly);
        }
    }
}

TEST(ErosionProgress, EscapeStopsALongRunAndAShortOneFinishesUnseen) {
    ensureApplication();
    QWidget owner;
    owner.show();
    int steps = 0;
    const int total = 4000;
    auto step = [&] {
        QThread::msleep(1);
        return ++steps < total;
    };
    auto progress = [&] { return static_cast<double>(steps) / total; };
    bool escaped = false;
    std::function<void()> pressEscape = [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "EROSIONPROGRESS" && w->isVisible()) {
                QTest::keyClick(w, Qt::Key_Escape);
                escaped = true;
                return;
            }
        QTimer::singleShot(50, pressEscape);
    };
    QTimer::singleShot(50, pressEscape);
    EXPECT_FALSE(runStepsWithProgress(&owner, "Thermal Erosion", step, progress));
    EXPECT_TRUE(escaped);
    EXPECT_LT(steps, total);

    steps = 0;
    EXPECT_TRUE(runStepsWithProgress(&owner, "Thermal Erosion", [&] { return ++steps < 20; }, [] { return 0.5; }));
    EXPECT_EQ(steps, 20);
}

}  // namespace
}  // namespace landforge::shell
