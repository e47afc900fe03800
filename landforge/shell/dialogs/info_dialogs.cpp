#include "shell/dialogs/info_dialogs.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "shell/app_icon.h"

namespace landforge::shell {

PointInfoDialog::PointInfoDialog(const QString& text, QWidget* parent)
    : FormDialog("POINTINFOBOX", "Point Information", parent) {
    auto* box = new QPlainTextEdit(text);
    box->setObjectName(idName(1034));
    box->setReadOnly(true);
    box->setMinimumSize(560, 160);
    addWidget(box);
    addButton(kOkId, "OK", true);
}

AboutDialog::AboutDialog(QWidget* parent) : FormDialog("ABOUTBOX", "About Landforge", parent) {
    auto* icon = new QLabel;
    icon->setPixmap(landforgeIcon().pixmap(48, 48));
    addWidget(icon);
    addText("Landforge - the Korvath Arena terrain editor");
    addText("Written by the Korvath Arena toolkit team");
    addButton(40005, "Done", true);
}

}  // namespace landforge::shell
