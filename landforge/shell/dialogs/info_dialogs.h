#pragma once
// The point information box and the About box.
#include "landforge/shell/dialogs/form_dialog.h"

namespace landforge::shell {

// POINTINFOBOX: the read-only text and OK.
class PointInfoDialog : public FormDialog {
public:
    PointInfoDialog(const QString& text, QWidget* parent = nullptr);
};

// The program's icon, name and credit, closed by "Done" (40005).
class AboutDialog : public FormDialog {
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace landforge::shell
