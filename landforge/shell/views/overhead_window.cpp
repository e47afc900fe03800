#include "landforge/shell/views/overhead_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "landforge/shell/views/terrain_view.h"
#include "landforge/terrain/terrain_edits.h"
#include "landforge/view/overhead_map.h"

using namespace landforge;

OverheadWindow::OverheadWindow(TerrainState& terrain, ViewCameras& cameras, ViewOptions& options, QWidget* parent)
    // A tool window of its parent: kept above the main window (not above other programs) and
    // minimised with it, with its own title bar.
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      terrain_(terrain), cameras_(cameras), options_(options) {
    setObjectName("OVERHEADWNDCLASS");
    setWindowTitle("Overhead View");
    setFixedSize(kOverheadSize, kOverheadSize);
    QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) move(screen->geometry().topLeft());
}

void OverheadWindow::paintEvent(QPaintEvent*) {
    std::vector<std::uint32_t> pixels = overheadPixels(terrain_);
    QImage image(reinterpret_cast<const uchar*>(pixels.data()), kOverheadSize, kOverheadSize,
                 kOverheadSize * 4, QImage::Format_ARGB32);
    QPainter painter(this);
    painter.drawImage(0, 0, image);  // unpainted pixels let the window's background through
}

void OverheadWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    QPoint p = event->position().toPoint();
    centreViewOnOverhead(terrain_, p.x(), p.y());
    recentre(cameras_, terrain_, options_);
    update();
    redrawTerrainViews(parentWidget());
    emit viewAreaMoved();
}

void OverheadWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}
