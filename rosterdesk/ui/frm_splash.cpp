#include "rosterdesk/ui/frm_splash.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/qt_interaction.h"
#include "common/qt/window_util.h"
#include "rosterdesk/catalogue/startup.h"

namespace rosterdesk {

namespace {
constexpr qint64 kFrameMilliseconds = 15;
}

QString versionText() { return QString("Version %1 Beta").arg(ROSTERDESK_VERSION); }

frmSplash::frmSplash(Settings& settings, QWidget* parent) : QWidget(parent, Qt::Window), settings_(settings) {
    setObjectName("frmSplash");
    setWindowTitle("Rosterdesk");
    setFont(QFont("Arial", 9));
    auto* name = new QLabel("Rosterdesk", this);
    name->setObjectName("lblProductName");
    QFont big("Arial", 20, QFont::Bold);
    name->setFont(big);
    lblVersion = new QLabel(versionText(), this);
    lblVersion->setObjectName("lblVersion");
    pbGradient = new PictureBox(this);
    pbGradient->setObjectName("pbGradient");
    pbGradient->setFixedSize(340, 14);
    pbGradient->setPicture(gradientPicture(pbGradient->size()));
    bar_.setPicBox(pbGradient);
    bar_.Incrementor = 2;
    lblMessage = new QLabel(this);
    lblMessage->setObjectName("lblMessage");
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setMinimumWidth(340);
    chkAutoClose = new QCheckBox("Auto-close this window after program initialization finishes.", this);
    chkAutoClose->setObjectName("chkAutoClose");
    cmdClose = new QPushButton("Close", this);
    cmdClose->setObjectName("cmdClose");
    cmdClose->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(lblVersion, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(pbGradient, 0, Qt::AlignHCenter);
    layout->addWidget(lblMessage);
    layout->addWidget(chkAutoClose);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    adjustSize();
    korvath::centreOnScreen(*this);
    sinceRepaint_.start();
}

void frmSplash::setMessage(const std::string& text) {
    // Shown at the next repaint; a message that lasts less than a frame is not seen anyway.
    lblMessage->setText(korvath::toQString(text));
    if (sinceRepaint_.elapsed() >= kFrameMilliseconds) repaintNow();
}

std::string frmSplash::message() const { return korvath::fromQString(lblMessage->text()); }

void frmSplash::step() {
    bar_.BGScroll();
    if (sinceRepaint_.elapsed() >= kFrameMilliseconds) repaintNow();
}

void frmSplash::repaintNow() {
    if (isVisible()) {
        // Only what changes between steps is drawn again; the rest keeps its last drawing.
        pbGradient->repaint();
        lblMessage->repaint();
        QApplication::processEvents();
    }
    sinceRepaint_.restart();
}

void frmSplash::setAutoCloseChecked(bool checked) { chkAutoClose->setChecked(checked); }

void frmSplash::finish() {
    finished_ = true;
    SplashEnd end = finishSplash(settings_, chkAutoClose->isChecked());
    if (end.closeNow) {
        close();
        return;
    }
    lblMessage->setText(korvath::toQString(end.message));
    cmdClose->setEnabled(true);
    cmdClose->setFocus();
    repaintNow();
}

void frmSplash::waitUntilClosed() {
    if (closed_ || !isVisible()) return;
    QEventLoop loop;
    onClosed_ = [&loop] { loop.quit(); };
    loop.exec();
    onClosed_ = nullptr;
}

void frmSplash::closeEvent(QCloseEvent* event) {
    // Start-up is still at work: the window stays until it is done.
    if (!finished_) {
        event->ignore();
        return;
    }
    settings_.AutoClose = chkAutoClose->isChecked() ? 1 : 0;
    closed_ = true;
    event->accept();
    if (onClosed_) onClosed_();
}

}  // namespace rosterdesk
