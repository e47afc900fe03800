// Every dialog's controls by id, the values it shows and what OK and Cancel hand back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "common/testing/qt_application.h"
#include "landforge/shell/dialogs/generation_dialogs.h"
#include "landforge/shell/dialogs/info_dialogs.h"
#include "landforge/shell/dialogs/tool_dialogs.h"
#include "landforge/shell/qt_editor_dialogs.h"

namespace landforge::shell {
namespace {

using korvath::testing::ensureApplication;

template <typename T>
T* child(QWidget& w, int id) {
    T* found = w.findChild<T*>(QString::number(id));
    EXPECT_NE(found, nullptr) << id;
    return found;
}

QString field(QWidget& w, int id) { return child<QLineEdit>(w, id)->text(); }

void type(QWidget& w, int id, const QString& text) {
    QLineEdit* edit = child<QLineEdit>(w, id);
    edit->clear();
    QTest::keyClicks(edit, text);
}

// Clicks button `id` once the dialog runs; returns what exec gave.
int execClicking(QDialog& d, int id) {
    QTimer::singleShot(0, &d, [&d, id] { QTest::mouseClick(child<QPushButton>(d, id), Qt::LeftButton); });
    return d.exec();
}

QString labelFor(QWidget& w, int id) {
    for (QLabel* l : w.findChildren<QLabel*>())
        if (l->buddy() && l->buddy()->objectName() == QString::number(id)) return l->text();
    return {};
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override { ensureApplication(); }
};

TEST_F(Dialogs, TerrainParametersShowThreeDecimalsAndTheUnsignedSeed) {
    TerrainParamsDialog d({4000000000u, 2.0f, 0.5f, 0.0f});
    EXPECT_EQ(d.objectName(), "TERRAINPARAMSDIALOGBOX");
    EXPECT_EQ(field(d, kSeedId), "4000000000");
    EXPECT_EQ(field(d, kDampeningId), "2.000");
    EXPECT_EQ(field(d, kInitialHeightId), ".500");
    EXPECT_EQ(field(d, kSeaLevelId), ".000");
    EXPECT_EQ(labelFor(d, kSeedId), "Random Number Generator Seed");
    EXPECT_EQ(labelFor(d, kDampeningId), "Dampening Value");
    EXPECT_EQ(labelFor(d, kInitialHeightId), "Initial Height");
    EXPECT_EQ(labelFor(d, kSeaLevelId), "Sea Level");
    type(d, kSeedId, "17");
    type(d, kDampeningId, "0.25");
    type(d, kSeaLevelId, "abc");
    ASSERT_EQ(execClicking(d, kOkId), kOkId);
    TerrainParamsValues v = d.values();
    EXPECT_EQ(v.seed, 17u);
    EXPECT_EQ(v.dampening, 0.25f);
    EXPECT_EQ(v.initialHeight, 0.5f);
    EXPECT_EQ(v.seaLevel, 0.0f) << "a field that is not a number reads as 0";
    TerrainParamsDialog again({1, 2, 3, 4});
    EXPECT_EQ(execClicking(again, kCancelId), kCancelId);
}

TEST_F(Dialogs, NoiseAndFilterFields) {
    AddNoiseDialog noise({2, -2});
    EXPECT_EQ(noise.objectName(), "ADDRANDOMNOISEBOX");
    EXPECT_EQ(labelFor(noise, kNoiseHighId), "High Limit");
    EXPECT_EQ(labelFor(noise, kNoiseLowId), "Low Limit");
    EXPECT_EQ(field(noise, kNoiseLowId), "-2");
    type(noise, kNoiseHighId, "9");
    ASSERT_EQ(execClicking(noise, kOkId), kOkId);
    EXPECT_EQ(noise.values().high, 9);
    EXPECT_EQ(noise.values().low, -2);
    FilterNoiseDialog filter({5});
    EXPECT_EQ(filter.objectName(), "FILTERNOISEBOX");
    EXPECT_EQ(labelFor(filter, kMaxNoiseId), "Maximum noise to filter");
    EXPECT_EQ(field(filter, kMaxNoiseId), "5");
    EXPECT_EQ(execClicking(filter, kCancelId), kCancelId);
}

TEST_F(Dialogs, SmoothingDialogs) {
    SmoothTerrainDialog method;
    EXPECT_EQ(method.objectName(), "SMOOTHTERRAINBOX");
    EXPECT_EQ(child<QPushButton>(method, kFlattenId)->text(), "Flatten");
    EXPECT_EQ(child<QPushButton>(method, kAverageId)->text(), "Average");
    EXPECT_EQ(SmoothTerrainDialog::choiceOf(execClicking(method, kAverageId)), SmoothChoice::Average);
    EXPECT_EQ(SmoothTerrainDialog::choiceOf(0), SmoothChoice::Cancel);
    SmoothPercentDialog flatten(SmoothChoice::Flatten, 12.25f);
    EXPECT_EQ(flatten.objectName(), "FLATTENHEIGHTBOX");
    EXPECT_EQ(child<QLabel>(flatten, kHeightAverageTextId)->text(), "The height average is : 12.250000");
    EXPECT_EQ(field(flatten, kFlattenPercentId), "50") << "50 each time it opens";
    EXPECT_EQ(child<QPushButton>(flatten, kOkId)->text(), "Smooth");
    type(flatten, kFlattenPercentId, "80");
    ASSERT_EQ(execClicking(flatten, kOkId), kOkId);
    EXPECT_EQ(flatten.percent(), 80);
    SmoothPercentDialog average(SmoothChoice::Average, 0);
    EXPECT_EQ(average.objectName(), "AVERAGEHEIGHTBOX");
    EXPECT_EQ(labelFor(average, kAveragePercentId), "Smooth Percentage");
    EXPECT_EQ(average.findChild<QLabel*>(idName(kHeightAverageTextId)), nullptr);
}

TEST_F(Dialogs, RaiseLowerButtonsAndModes) {
    RaiseLowerDialog d;
    EXPECT_EQ(d.objectName(), "RAISELOWERTERRAINBOX");
    EXPECT_TRUE(child<QRadioButton>(d, kToHeightId)->isChecked());
    EXPECT_EQ(child<QRadioButton>(d, kByHeightId)->text(), "By Height");
    EXPECT_EQ(field(d, kRaiseLowerHeightId), "") << "the height starts empty";
    child<QRadioButton>(d, kByHeightId)->click();
    type(d, kRaiseLowerHeightId, "-12");
    int result = execClicking(d, kLowerId);
    ASSERT_EQ(result, kLowerId);
    RaiseLowerValues v = d.values(result);
    EXPECT_FALSE(v.raise);
    EXPECT_EQ(v.mode, RaiseLowerMode::ByHeight);
    EXPECT_EQ(v.height, -12);
    EXPECT_TRUE(d.values(kRaiseId).raise);
}

TEST_F(Dialogs, ReshapeMethodDialogsShowTheRadiusInGridSteps) {
    struct Row {
        ReshapeMethod method;
        const char* name;
        int radiusId;
    };
    for (Row r : {Row{ReshapeMethod::Peak, "RMPEAKMETHODBOX", kPeakRadiusId},
                  Row{ReshapeMethod::Dome, "RMDOMEMETHODBOX", kDomeRadiusId},
                  Row{ReshapeMethod::Ripple, "RMRIPPLEMETHODBOX", kRippleRadiusId}}) {
        ReshapeMethodDialog d(r.method, {8, 3});
        EXPECT_EQ(d.objectName(), r.name);
        EXPECT_EQ(field(d, r.radiusId), "8");
        EXPECT_EQ(labelFor(d, r.radiusId), "Radius (in whole grid values)");
        EXPECT_EQ(d.findChildren<QPushButton*>().size(), 1) << "OK only";
        EXPECT_EQ(d.findChild<QLineEdit*>(idName(kRippleCyclesId)) != nullptr, r.method == ReshapeMethod::Ripple);
        type(d, r.radiusId, "11");
        ASSERT_EQ(execClicking(d, kOkId), kOkId);
        EXPECT_EQ(d.values().radius, 11);
    }
}

TEST_F(Dialogs, ImportModeListIsSortedAndItsIndexIsTheMode) {
    ImportModeDialog d({ImportMode::Subtract, 40});
    EXPECT_EQ(d.objectName(), "IMPORTMODEBOX");
    QComboBox* modes = child<QComboBox>(d, kImportModeListId);
    ASSERT_EQ(modes->count(), 3);
    EXPECT_EQ(modes->itemText(0), "Add");
    EXPECT_EQ(modes->itemText(1), "Replace");
    EXPECT_EQ(modes->itemText(2), "Subtract");
    EXPECT_EQ(modes->currentIndex(), 2);
    EXPECT_EQ(field(d, kImportWeightId), "40");
    modes->setCurrentIndex(0);
    ASSERT_EQ(execClicking(d, kOkId), kOkId);
    EXPECT_EQ(d.values().mode, ImportMode::Add);
    EXPECT_EQ(d.values().weight, 40);
}

TEST_F(Dialogs, ViewAreaAndExportScale) {
    ViewAreaDialog area({16, 32});
    EXPECT_EQ(area.objectName(), "CHANGEVIEWAREABOX");
    EXPECT_EQ(labelFor(area, kViewWidthId), "Width (1 - 256)");
    EXPECT_EQ(labelFor(area, kViewHeightId), "Height (1 - 256)");
    EXPECT_EQ(field(area, kViewHeightId), "32");
    type(area, kViewWidthId, "300");
    ASSERT_EQ(execClicking(area, kOkId), kOkId);
    EXPECT_EQ(area.values().width, 300) << "the caller clamps";
    ExportScaleDialog scale;
    EXPECT_EQ(scale.objectName(), "EXPORTSCALEBOX");
    EXPECT_EQ(field(scale, kExportScaleId), "1");
    EXPECT_EQ(child<QPushButton>(scale, kOkId)->text(), "Export");
    bool caption = false;
    for (QLabel* l : scale.findChildren<QLabel*>()) caption |= l->text() == "Scale of 1 = 16 Korvath units per grid";
    EXPECT_TRUE(caption);
    type(scale, kExportScaleId, "3");
    EXPECT_EQ(scale.scaleFor(execClicking(scale, kOkId)), 3);
    EXPECT_EQ(scale.scaleFor(execClicking(scale, kCancelId)), 0);
}

TEST_F(Dialogs, PointInfoAndAbout) {
    PointInfoDialog info("point-1 (2,1)\tX=+20.000000\t");
    EXPECT_EQ(info.objectName(), "POINTINFOBOX");
    QPlainTextEdit* text = child<QPlainTextEdit>(info, kPointInfoTextId);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText(), "point-1 (2,1)\tX=+20.000000\t");
    EXPECT_EQ(execClicking(info, kOkId), kOkId);
    // Several points: one a line, their fields in columns.
    PointInfoDialog two("point-1 (2,1)\tX=+20.000000\tY=+10.000000\tZ=+0.000000\t"
                        "point-2 (255,255)\tX=+2550.000000\tY=+2550.000000\tZ=+255.000000\t");
    QPlainTextEdit* lines = child<QPlainTextEdit>(two, kPointInfoTextId);
    EXPECT_EQ(lines->toPlainText(), "point-1 (2,1)\tX=+20.000000\tY=+10.000000\tZ=+0.000000\t\n"
                                    "point-2 (255,255)\tX=+2550.000000\tY=+2550.000000\tZ=+255.000000\t");
    EXPECT_GT(lines->tabStopDistance(), lines->fontMetrics().horizontalAdvance("Y=+2550.000000"));
    AboutDialog about;
    EXPECT_EQ(child<QPushButton>(about, 40005)->text(), "Done");
    EXPECT_EQ(execClicking(about, 40005), 40005);
}

// Types into the dialog that opens next as a user does: into the control that has the focus,
// "\t" pressing Tab; then Enter for the default button.
void typeIntoNextDialog(const QStringList& keys) {
    QTimer::singleShot(0, [keys] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        bool focused = QTest::qWaitFor([box] { return box->isActiveWindow() && QApplication::focusWidget(); });
        EXPECT_TRUE(focused) << box->objectName().toStdString();
        if (!focused) return box->reject();
        for (const QString& k : keys) {
            if (k == "\t")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            else
                QTest::keyClicks(QApplication::focusWidget(), k);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (box->isVisible()) {
            ADD_FAILURE() << "Enter did not close " << box->objectName().toStdString();
            box->reject();
        }
    });
}

std::string text(const std::optional<int>& v) { return v ? std::to_string(*v) : "cancel"; }

// What was typed replaces the value each field shows, in the field that has the focus when the
// dialog opens and in every field reached by Tab.
TEST_F(Dialogs, TypingReplacesTheValueShownInEveryNumericDialog) {
    QtEditorDialogs dialogs;
    struct Row {
        const char* dialog;
        QStringList keys;
        std::function<std::string()> run;
        std::string expected;
    };
    auto values = [](auto v) { return v ? std::to_string(v->high) + "," + std::to_string(v->low) : "cancel"; };
    const Row rows[] = {
        {"TERRAINPARAMSDIALOGBOX", {"17", "\t", "3", "\t", "30", "\t", "9"},
         [&] {
             auto v = dialogs.terrainParams({4000000000u, 2.0f, 25.0f, 1.0f});
             return v ? std::to_string(v->seed) + "," + std::to_string(v->dampening) + "," +
                            std::to_string(v->initialHeight) + "," + std::to_string(v->seaLevel)
                      : "cancel";
         },
         "17,3.000000,30.000000,9.000000"},
        {"ADDRANDOMNOISEBOX", {"5", "\t", "-1"}, [&] { return values(dialogs.addNoise({2, -2})); }, "5,-1"},
        {"FILTERNOISEBOX", {"7"},
         [&] {
             auto v = dialogs.filterNoise({5});
             return v ? std::to_string(v->maxNoise) : "cancel";
         },
         "7"},
        {"FLATTENHEIGHTBOX", {"80"}, [&] { return text(dialogs.smoothPercent(SmoothChoice::Flatten, 12)); }, "80"},
        {"AVERAGEHEIGHTBOX", {"30"}, [&] { return text(dialogs.smoothPercent(SmoothChoice::Average, 0)); }, "30"},
        {"RAISELOWERTERRAINBOX", {"\t", "12"},
         [&] {
             auto v = dialogs.raiseLower();
             return v ? std::to_string(v->raise) + "," + std::to_string(v->height) : "cancel";
         },
         "1,12"},
        {"RMPEAKMETHODBOX", {"4"}, [&] { return std::to_string(dialogs.reshapeMethod(ReshapeMethod::Peak, {8, 3}).radius); }, "4"},
        {"RMDOMEMETHODBOX", {"5"}, [&] { return std::to_string(dialogs.reshapeMethod(ReshapeMethod::Dome, {8, 3}).radius); }, "5"},
        {"RMRIPPLEMETHODBOX", {"4", "\t", "6"},
         [&] {
             ReshapeValues v = dialogs.reshapeMethod(ReshapeMethod::Ripple, {8, 3});
             return std::to_string(v.radius) + "," + std::to_string(v.cycles);
         },
         "4,6"},
        {"IMPORTMODEBOX", {"\t", "70"},
         [&] {
             auto v = dialogs.importMode({ImportMode::Subtract, 40});
             return v ? std::to_string(static_cast<int>(v->mode)) + "," + std::to_string(v->weight) : "cancel";
         },
         "2,70"},
        {"CHANGEVIEWAREABOX", {"64", "\t", "20"},
         [&] {
             auto v = dialogs.viewArea({16, 32});
             return v ? std::to_string(v->width) + "," + std::to_string(v->height) : "cancel";
         },
         "64,20"},
        {"EXPORTSCALEBOX", {"2"}, [&] { return std::to_string(dialogs.exportScale()); }, "2"},
    };
    for (const Row& r : rows) {
        typeIntoNextDialog(r.keys);
        EXPECT_EQ(r.run(), r.expected) << r.dialog;
    }
}

}  // namespace
}  // namespace landforge::shell
