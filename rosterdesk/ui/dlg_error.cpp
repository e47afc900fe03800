#include "rosterdesk/ui/dlg_error.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "common/qt/qt_interaction.h"

namespace rosterdesk {

dlgError::dlgError(const ErrorReport& report, const std::filesystem::path& logFile, QWidget* parent)
    : FixedDialog(parent) {
    setObjectName("dlgError");
    setWindowTitle(QString("Error Number: %1").arg(report.number));
    auto* layout = new QGridLayout(this);
    layout->addWidget(makeLabel(this, "lblInstruction",
                                "Please report this error to the Rosterdesk maintainers and attach the file below:",
                                true), 0, 0, 1, 2);
    QLabel* file = makeLabel(this, "lblErrFileLoc", korvath::pathToQString(logFile), true);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(file, 1, 0, 1, 2);
    layout->addWidget(makeLabel(this, "lblCustomCaption", "Custom Error Msg:"), 2, 0, Qt::AlignTop);
    layout->addWidget(makeLabel(this, "lblCustomMsg", korvath::toQString(report.message), true), 2, 1, Qt::AlignTop);
    layout->addWidget(makeLabel(this, "lblDescrCaption", "Error Description:"), 3, 0, Qt::AlignTop);
    layout->addWidget(makeLabel(this, "lblErrDescr", korvath::toQString(report.description), true), 3, 1, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    QPushButton* ok = makeButton(this, "OKButton", "OK");
    ok->setDefault(true);
    layout->addWidget(ok, 4, 1, Qt::AlignRight);
    setMinimumWidth(440);
    connect(ok, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
}

void ProcessError(korvath::Interaction& ui, const std::filesystem::path& home, const ErrorReport& report,
                  QWidget* parent) {
    ErrorLogWrite log = writeErrorLog(home, report, currentLocalTime());
    ui.runDialog("dlgError", [&] {
        dlgError dialog(report, log.file, parent);
        return dialog.exec();
    });
}

}  // namespace rosterdesk
