#pragma once
// Dialogs of start-up and the options dialog have no close box: only their own buttons
// leave them, and Escape does nothing.
#include <QDialog>

class QLabel;
class QPushButton;

namespace rosterdesk {

class FixedDialog : public QDialog {
public:
    explicit FixedDialog(QWidget* parent = nullptr);
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
};

// Start-up's folder dialogs sit centred on the splash window, then 650 twips (43 logical
// pixels) further left.
void placeLeftOfCentre(QWidget& dialog, const QWidget& splash);

// Small builders every start-up window uses.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, bool wrap = false);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text);

}  // namespace rosterdesk
