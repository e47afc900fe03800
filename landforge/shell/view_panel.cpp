#include "landforge/shell/view_panel.h"

#include <QPainter>

namespace landforge::shell {

ViewPanel::ViewPanel(TerrainState& terrain, ViewCameras& cameras, ViewOptions& options, QWidget* parent)
    : QWidget(parent), options_(options) {
    setObjectName("viewPanel");
    for (int k = 0; k < kViewCount; ++k) {
        views_[k] = new TerrainView(k, terrain, cameras, options, this);
        views_[k]->setObjectName(QString("view%1").arg(k));
    }
    applyLayout();
}

void ViewPanel::applyLayout() {
    bool allInOne = options_.layout == ViewLayout::AllInOne;
    // A one-pixel divider between the quadrants, outside every view's viewport.
    int w = (width() - kDivider) / 2;
    int h = (height() - kDivider) / 2;
    int right = width() - w - kDivider;
    int bottom = height() - h - kDivider;
    const QRect quadrants[4] = {{0, 0, w, h},
                                {w + kDivider, 0, right, h},
                                {0, h + kDivider, w, bottom},
                                {w + kDivider, h + kDivider, right, bottom}};
    for (int k = 0; k < 4; ++k) {
        views_[k]->setGeometry(quadrants[k]);
        views_[k]->setVisible(!allInOne);
    }
    views_[kViewAllInOne]->setGeometry(rect());
    views_[kViewAllInOne]->setVisible(allInOne);
}

void ViewPanel::paintEvent(QPaintEvent*) {
    if (options_.layout == ViewLayout::AllInOne) return;
    QPainter painter(this);
    QColor line = palette().color(QPalette::Dark);
    int w = (width() - kDivider) / 2;
    int h = (height() - kDivider) / 2;
    painter.fillRect(w, 0, kDivider, height(), line);
    painter.fillRect(0, h, width(), kDivider, line);
}

void ViewPanel::updateAll() {
    for (TerrainView* v : views_) v->update();
}

void ViewPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyLayout();
    emit resized();
}

}  // namespace landforge::shell
