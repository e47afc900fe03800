#pragma once
// The overhead map: the whole height map in a 255 x 255 client area with the view area
// outlined; a left click centres the view area there.
#include <QWidget>

#include "landforge/view/view_camera.h"

class OverheadWindow : public QWidget {
    Q_OBJECT
public:
    // A titled window ("Overhead View") owned by `parent` (always above it), placed at the
    // screen's top-left corner.
    OverheadWindow(landforge::TerrainState& terrain, landforge::ViewCameras& cameras,
                   landforge::ViewOptions& options, QWidget* parent = nullptr);

signals:
    // A click moved the view area (the cameras are re-centred already): the owner redraws
    // the views and refreshes the status bar.
    void viewAreaMoved();
    // The window was closed by its own close button: the owner unchecks Show Overhead.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    landforge::TerrainState& terrain_;
    landforge::ViewCameras& cameras_;
    landforge::ViewOptions& options_;
};
