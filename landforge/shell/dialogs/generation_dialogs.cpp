#include "shell/dialogs/generation_dialogs.h"

#include "common/qt/qt_text.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace landforge::shell {

namespace {

QString text(const std::string& s) { return korvath::toQString(s); }

void addOkCancel(FormDialog& d, const QString& ok = "OK") {
    d.addButton(kOkId, ok, true);
    d.addButton(kCancelId, "Cancel");
}

}  // namespace

TerrainParamsDialog::TerrainParamsDialog(const TerrainParamsValues& v, QWidget* parent)
    : FormDialog("TERRAINPARAMSDIALOGBOX", "Terrain Parameters", parent) {
    addField(1001, "Random Number Generator Seed", QString::number(v.seed));
    addField(1002, "Dampening Value", text(formatThreeDecimals(v.dampening)));
    addField(1003, "Initial Height", text(formatThreeDecimals(v.initialHeight)));
    addField(1004, "Sea Level", text(formatThreeDecimals(v.seaLevel)));
    addOkCancel(*this);
}

TerrainParamsValues TerrainParamsDialog::values() const {
    return {fieldUnsigned(1001), fieldReal(1002), fieldReal(1003), fieldReal(1004)};
}

AddNoiseDialog::AddNoiseDialog(const NoiseValues& v, QWidget* parent)
    : FormDialog("ADDRANDOMNOISEBOX", "Add Random Noise", parent) {
    addField(1015, "High Limit", QString::number(v.high));
    addField(1016, "Low Limit", QString::number(v.low));
    addOkCancel(*this);
}

NoiseValues AddNoiseDialog::values() const { return {fieldInt(1015), fieldInt(1016)}; }

FilterNoiseDialog::FilterNoiseDialog(const FilterNoiseValues& v, QWidget* parent)
    : FormDialog("FILTERNOISEBOX", "Filter Noise", parent) {
    addField(1028, "Maximum noise to filter", QString::number(v.maxNoise));
    addOkCancel(*this);
}

FilterNoiseValues FilterNoiseDialog::values() const { return {fieldInt(1028)}; }

SmoothTerrainDialog::SmoothTerrainDialog(QWidget* parent) : FormDialog("SMOOTHTERRAINBOX", "Smooth Terrain", parent) {
    addText("Flatten pulls every height toward the average height;\n"
            "Average pulls each height toward its four neighbours.");
    addButton(1019, "Flatten", true);
    addButton(1020, "Average");
    addButton(kCancelId, "Cancel");
}

SmoothChoice SmoothTerrainDialog::choiceOf(int result) {
    return result == 1019 ? SmoothChoice::Flatten : result == 1020 ? SmoothChoice::Average : SmoothChoice::Cancel;
}

SmoothPercentDialog::SmoothPercentDialog(SmoothChoice method, float meanHeight, QWidget* parent)
    : FormDialog(method == SmoothChoice::Flatten ? "FLATTENHEIGHTBOX" : "AVERAGEHEIGHTBOX",
                 method == SmoothChoice::Flatten ? "Flatten Height" : "Average Height", parent),
      fieldId_(method == SmoothChoice::Flatten ? 1022 : 1024) {
    if (method == SmoothChoice::Flatten) addText(text(heightAverageText(meanHeight)), 1021);
    addField(fieldId_, "Smooth Percentage", "50");
    addOkCancel(*this, "Smooth");
}

int SmoothPercentDialog::percent() const { return fieldInt(fieldId_); }

RaiseLowerDialog::RaiseLowerDialog(QWidget* parent)
    : FormDialog("RAISELOWERTERRAINBOX", "Raise / Lower Terrain", parent) {
    auto* toHeight = new QRadioButton("To Height");
    toHeight->setObjectName(idName(1031));
    toHeight->setChecked(true);
    byHeight_ = new QRadioButton("By Height");
    byHeight_->setObjectName(idName(1032));
    auto* group = new QButtonGroup(this);
    group->addButton(toHeight);
    group->addButton(byHeight_);
    addWidget(toHeight);
    addWidget(byHeight_);
    addField(1033, "Height", "");
    addButton(1029, "Raise", true);
    addButton(1030, "Lower");
    addButton(kCancelId, "Cancel");
}

RaiseLowerValues RaiseLowerDialog::values(int result) const {
    return {result == 1029, byHeight_->isChecked() ? RaiseLowerMode::ByHeight : RaiseLowerMode::ToHeight,
            fieldInt(1033)};
}

}  // namespace landforge::shell
