#include "landforge/shell/dialogs/generation_dialogs.h"

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
    addField(kSeedId, "Random Number Generator Seed", QString::number(v.seed));
    addField(kDampeningId, "Dampening Value", text(formatThreeDecimals(v.dampening)));
    addField(kInitialHeightId, "Initial Height", text(formatThreeDecimals(v.initialHeight)));
    addField(kSeaLevelId, "Sea Level", text(formatThreeDecimals(v.seaLevel)));
    addOkCancel(*this);
}

TerrainParamsValues TerrainParamsDialog::values() const {
    return {fieldUnsigned(kSeedId), fieldReal(kDampeningId), fieldReal(kInitialHeightId), fieldReal(kSeaLevelId)};
}

AddNoiseDialog::AddNoiseDialog(const NoiseValues& v, QWidget* parent)
    : FormDialog("ADDRANDOMNOISEBOX", "Add Random Noise", parent) {
    addField(kNoiseHighId, "High Limit", QString::number(v.high));
    addField(kNoiseLowId, "Low Limit", QString::number(v.low));
    addOkCancel(*this);
}

NoiseValues AddNoiseDialog::values() const { return {fieldInt(kNoiseHighId), fieldInt(kNoiseLowId)}; }

FilterNoiseDialog::FilterNoiseDialog(const FilterNoiseValues& v, QWidget* parent)
    : FormDialog("FILTERNOISEBOX", "Filter Noise", parent) {
    addField(kMaxNoiseId, "Maximum noise to filter", QString::number(v.maxNoise));
    addOkCancel(*this);
}

FilterNoiseValues FilterNoiseDialog::values() const { return {fieldInt(kMaxNoiseId)}; }

SmoothTerrainDialog::SmoothTerrainDialog(QWidget* parent) : FormDialog("SMOOTHTERRAINBOX", "Smooth Terrain", parent) {
    addText("Flatten pulls every height toward the average height;\n"
            "Average pulls each height toward its four neighbours.");
    addButton(kFlattenId, "Flatten", true);
    addButton(kAverageId, "Average");
    addButton(kCancelId, "Cancel");
}

SmoothChoice SmoothTerrainDialog::choiceOf(int result) {
    return result == kFlattenId   ? SmoothChoice::Flatten
           : result == kAverageId ? SmoothChoice::Average
                                  : SmoothChoice::Cancel;
}

SmoothPercentDialog::SmoothPercentDialog(SmoothChoice method, float meanHeight, QWidget* parent)
    : FormDialog(method == SmoothChoice::Flatten ? "FLATTENHEIGHTBOX" : "AVERAGEHEIGHTBOX",
                 method == SmoothChoice::Flatten ? "Flatten Height" : "Average Height", parent),
      fieldId_(method == SmoothChoice::Flatten ? kFlattenPercentId : kAveragePercentId) {
    if (method == SmoothChoice::Flatten) addText(text(heightAverageText(meanHeight)), kHeightAverageTextId);
    addField(fieldId_, "Smooth Percentage", "50");
    addOkCancel(*this, "Smooth");
}

int SmoothPercentDialog::percent() const { return fieldInt(fieldId_); }

RaiseLowerDialog::RaiseLowerDialog(QWidget* parent)
    : FormDialog("RAISELOWERTERRAINBOX", "Raise / Lower Terrain", parent) {
    auto* toHeight = new QRadioButton("To Height");
    toHeight->setObjectName(idName(kToHeightId));
    toHeight->setChecked(true);
    byHeight_ = new QRadioButton("By Height");
    byHeight_->setObjectName(idName(kByHeightId));
    auto* group = new QButtonGroup(this);
    group->addButton(toHeight);
    group->addButton(byHeight_);
    addWidget(toHeight);
    addWidget(byHeight_);
    addField(kRaiseLowerHeightId, "Height", "");
    addButton(kRaiseId, "Raise", true);
    addButton(kLowerId, "Lower");
    addButton(kCancelId, "Cancel");
}

RaiseLowerValues RaiseLowerDialog::values(int result) const {
    return {result == kRaiseId, byHeight_->isChecked() ? RaiseLowerMode::ByHeight : RaiseLowerMode::ToHeight,
            fieldInt(kRaiseLowerHeightId)};
}

}  // namespace landforge::shell
