#include "landforge/shell/dialogs/info_dialogs.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <algorithm>

#include "landforge/shell/app_icon.h"

namespace landforge::shell {

PointInfoDialog::PointInfoDialog(const QString& text, QWidget* parent)
    : FormDialog("POINTINFOBOX", "Point Information", parent) {
    // One selected point a line, its fields in tab-aligned columns (the entries themselves
    // follow each other without a separator).
    QString lines = text;
    lines.replace("\tpoint-", "\t\npoint-");
    auto* box = new QPlainTextEdit(lines);
    box->setObjectName(idName(kPointInfoTextId));
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFontMetrics metrics = box->fontMetrics();
    int column = metrics.horizontalAdvance("point-0000 (255,255)");
    for (const QString& field : lines.split(QRegularExpression("[\t\n]")))
        column = std::max(column, metrics.horizontalAdvance(field));
    column += metrics.horizontalAdvance("  ");
    box->setTabStopDistance(column);
    box->setMinimumSize(4 * column + 2 * metrics.horizontalAdvance("M"), 160);
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
