#pragma once
// The about window: the program's name, version and credits.
#include <QDialog>

namespace rosterdesk {

class frmAbout : public QDialog {
public:
    explicit frmAbout(QWidget* parent = nullptr);
};

// "Version 1.0.0 Beta"
QString versionCaption();

}  // namespace rosterdesk
