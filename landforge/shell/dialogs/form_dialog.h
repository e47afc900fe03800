#pragma once
// The frame every Landforge dialog is built from: labelled fields and buttons in rows, each
// control named by its number so tests and readers find it by id. A button ends the dialog
// with its own id as the result; closing the window otherwise gives 0.
#include <cstdint>
#include <QDialog>
#include <QString>

#include "landforge/shell/dialogs/control_ids.h"

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace landforge::shell {

class FormDialog : public QDialog {
public:
    FormDialog(const QString& templateName, const QString& title, QWidget* parent = nullptr);

    // A label and a line edit on one row.
    QLineEdit* addField(int id, const QString& label, const QString& text);
    // A label and any control on one row.
    void addRow(const QString& label, QWidget* control);
    // A line of text across the dialog (id 0: no name).
    QLabel* addText(const QString& text, int id = 0);
    // Any widget across the dialog.
    void addWidget(QWidget* widget);
    QPushButton* addButton(int id, const QString& caption, bool isDefault = false);

    QString fieldText(int id) const;
    int fieldInt(int id) const;
    float fieldReal(int id) const;
    std::uint32_t fieldUnsigned(int id) const;

private:
    QGridLayout* rows_;
    QBoxLayout* buttons_;
    int nextRow_ = 0;
};

QString idName(int id);

}  // namespace landforge::shell
