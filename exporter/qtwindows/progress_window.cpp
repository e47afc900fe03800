#include "exporter/qtwindows/progress_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/qt/qt_text.h"
#include "common/qt/window_util.h"

namespace korvath::qtwindows {

ProgressWindow::ProgressWindow(std::atomic<bool>& cancel, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      cancel_(cancel),
      title_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      cancelButton_(new QPushButton(QStringLiteral("Cancel"), this)) {
    title_->setObjectName(QStringLiteral("title"));
    title_->setTextFormat(Qt::PlainText);
    bar_->setObjectName(QStringLiteral("bar"));
    bar_->setRange(0, 100);
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    connect(cancelButton_, &QPushButton::clicked, this, [this] { requestCancel(); });

    auto* row = new QHBoxLayout;
    row->addWidget(bar_, 1);
    row->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(row);
    setMinimumWidth(360);
}

void ProgressWindow::report(const scene::ProgressEvent& event) {
    switch (event.kind) {
    case scene::ProgressEvent::Kind::Start:
        setTitle(korvath::toQString(event.title));
        bar_->setValue(0);
        bar_->setVisible(event.flag);
        bar_->setTextVisible(true);
        cancelButton_->setEnabled(!cancel_.load());
        show();
        centreOnScreen(*this);
        break;
    case scene::ProgressEvent::Kind::Update:
        if (!event.title.empty()) setTitle(korvath::toQString(event.title));
        bar_->setValue(std::clamp(event.percent, 0, 100));
        bar_->setTextVisible(event.flag);
        break;
    case scene::ProgressEvent::Kind::End:
        hide();
        break;
    }
    // The export runs on this thread: paint and take the user's clicks now.
    QCoreApplication::processEvents();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    event->ignore();  // the window goes when the export ends
    requestCancel();
}

void ProgressWindow::setTitle(const QString& title) {
    title_->setText(title);
    setWindowTitle(title);
}

void ProgressWindow::requestCancel() {
    cancel_.store(true);
    cancelButton_->setEnabled(false);
}

}  // namespace korvath::qtwindows
