#include "landforge/shell/dialogs/tool_dialogs.h"

#include <QComboBox>

namespace landforge::shell {

namespace {

struct MethodInfo {
    const char* name;
    const char* title;
    int radiusId;
};

MethodInfo infoOf(ReshapeMethod method) {
    switch (method) {
        case ReshapeMethod::Peak: return {"RMPEAKMETHODBOX", "Peak Method", kPeakRadiusId};
        case ReshapeMethod::Dome: return {"RMDOMEMETHODBOX", "Dome Method", kDomeRadiusId};
        case ReshapeMethod::Ripple: return {"RMRIPPLEMETHODBOX", "Ripple Method", kRippleRadiusId};
    }
    return {"", "", 0};
}

}  // namespace

ReshapeMethodDialog::ReshapeMethodDialog(ReshapeMethod method, const ReshapeValues& v, QWidget* parent)
    : FormDialog(infoOf(method).name, infoOf(method).title, parent), method_(method),
      radiusId_(infoOf(method).radiusId) {
    addField(radiusId_, "Radius (in whole grid values)", QString::number(v.radius));
    if (method == ReshapeMethod::Ripple) addField(kRippleCyclesId, "Number of full cycles", QString::number(v.cycles));
    addButton(kOkId, "OK", true);
}

ReshapeValues ReshapeMethodDialog::values() const {
    ReshapeValues v{fieldInt(radiusId_), 1};
    if (method_ == ReshapeMethod::Ripple) v.cycles = fieldInt(kRippleCyclesId);
    return v;
}

ImportModeDialog::ImportModeDialog(const ImportModeValues& v, QWidget* parent)
    : FormDialog("IMPORTMODEBOX", "Import Mode", parent), modes_(new QComboBox) {
    modes_->setObjectName(idName(kImportModeListId));
    modes_->addItems({"Add", "Replace", "Subtract"});  // index = ImportMode
    modes_->setCurrentIndex(static_cast<int>(v.mode));
    addRow("Import Mode", modes_);
    addField(kImportWeightId, "Weight", QString::number(v.weight));
    addButton(kOkId, "OK", true);
    addButton(kCancelId, "Cancel");
}

ImportModeValues ImportModeDialog::values() const {
    return {static_cast<ImportMode>(modes_->currentIndex()), fieldInt(kImportWeightId)};
}

ViewAreaDialog::ViewAreaDialog(const ViewAreaValues& v, QWidget* parent)
    : FormDialog("CHANGEVIEWAREABOX", "Change View Area", parent) {
    addField(kViewWidthId, "Width (1 - 256)", QString::number(v.width));
    addField(kViewHeightId, "Height (1 - 256)", QString::number(v.height));
    addButton(kOkId, "OK", true);
    addButton(kCancelId, "Cancel");
}

ViewAreaValues ViewAreaDialog::values() const { return {fieldInt(kViewWidthId), fieldInt(kViewHeightId)}; }

ExportScaleDialog::ExportScaleDialog(QWidget* parent) : FormDialog("EXPORTSCALEBOX", "Export Scale", parent) {
    addText("Scale of 1 = 16 Korvath units per grid");
    addField(kExportScaleId, "Scale", "1");
    addButton(kOkId, "Export", true);
    addButton(kCancelId, "Cancel");
}

int ExportScaleDialog::scaleFor(int result) const { return result == kOkId ? fieldInt(kExportScaleId) : 0; }

}  // namespace landforge::shell
