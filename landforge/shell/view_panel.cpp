#include "shell/view_panel.h"

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
    int w = width() / 2;
    int h = height() / 2;
    const QRect quadrants[4] = {{0, 0, w, h}, {w, 0, w, h}, {0, h, w, h}, {w, h, w, h}};
    for (int k = 0; k < 4; ++k) {
        views_[k]->setGeometry(quadrants[k]);
        views_[k]->setVisible(!allInOne);
    }
    views_[kViewAllInOne]->setGeometry(rect());
    views_[kViewAllInOne]->setVisible(allInOne);
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
