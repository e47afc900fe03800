#pragma once
// The host's progress display in a window of its own: the title the plug-in gives, a bar and
// Cancel. Each report repaints it and handles what the user did, so the window stays alive
// while the export runs on the same thread; Cancel (or the close box) raises the host's
// cancel flag, which GetCancel reports.
#include <QWidget>

#include <atomic>

#include "exporter/scene/scene.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace korvath::qtwindows {

class ProgressWindow : public QWidget {
public:
    explicit ProgressWindow(std::atomic<bool>& cancel, QWidget* parent = nullptr);

    // One progress call of the plug-in: Start shows the window, Update moves the bar (and may
    // change the title), End hides it.
    void report(const scene::ProgressEvent& event);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setTitle(const QString& title);
    void requestCancel();

    std::atomic<bool>& cancel_;
    QLabel* title_;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
};

}  // namespace korvath::qtwindows
