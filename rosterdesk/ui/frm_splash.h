#pragma once
// The splash window start-up shows while it works: its message, the running bar, the
// AutoClose check box and the Close button that hands over to the main window.
#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "rosterdesk/catalogue/settings.h"
#include "rosterdesk/ui/cls_pic_bar.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace rosterdesk {

// "Version 1.0.0 Beta": the program's major, minor and revision numbers.
QString versionText();

class frmSplash : public QWidget {
public:
    explicit frmSplash(Settings& settings, QWidget* parent = nullptr);

    void setMessage(const std::string& text);
    std::string message() const;
    // One progress step: the bar moves, and the window repaints (at most once a frame).
    void step();
    void setAutoCloseChecked(bool checked);
    // The end of start-up: closes at once with AutoClose checked, else waits for Close.
    void finish();
    // Returns once the window is closed (by Close, or at once when it already is).
    void waitUntilClosed();
    bool finished() const { return finished_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void repaintNow();

    Settings& settings_;
    clsPicBar bar_;
    QElapsedTimer sinceRepaint_;
    bool finished_ = false;
    bool closed_ = false;
    std::function<void()> onClosed_;
    QLabel* lblMessage = nullptr;
    QLabel* lblVersion = nullptr;
    PictureBox* pbGradient = nullptr;
    QCheckBox* chkAutoClose = nullptr;
    QPushButton* cmdClose = nullptr;
};

}  // namespace rosterdesk
