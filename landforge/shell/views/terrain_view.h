#pragma once
// One of the five 3D views: draws the view area with OpenGL 1.1 and passes its mouse events
// to the mouse table. Keys are not handled here; they go on to the parent window.
#include <QOpenGLWidget>

#include "landforge/view/mouse_tools.h"

// Asks every TerrainView of the widget's window to redraw (one frame each, however many
// requests come before it).
void redrawTerrainViews(QWidget* widget);

class TerrainView : public QOpenGLWidget {
    Q_OBJECT
public:
    // viewIndex is kViewXY ... kViewAllInOne; the view reads and writes cameras[viewIndex].
    TerrainView(int viewIndex, landforge::TerrainState& terrain, landforge::ViewCameras& cameras,
                landforge::ViewOptions& options, QWidget* parent = nullptr);

    int viewIndex() const { return viewIndex_; }

signals:
    // A mouse edit changed the terrain or the selection and set `modified`: the owner redraws
    // every view and refreshes the title, the status bar and the overhead map.
    void terrainEdited();
    // Zoom, pan or angles of this view changed (the view has redrawn itself).
    void cameraChanged();
    // Both buttons moved the view area: status bar, overhead map, every view.
    void viewAreaMoved();
    // A button went up: the overhead map is repainted.
    void buttonReleased();
    // No usable OpenGL context (fixed-function OpenGL, 16 colour bits, a depth buffer).
    void contextFailed();

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void reportFailure();
    void storeSize();
    void handleMouse(QMouseEvent* event, landforge::MouseEventKind kind);

    int viewIndex_;
    landforge::TerrainState& terrain_;
    landforge::ViewCameras& cameras_;
    landforge::ViewOptions& options_;
    bool failed_ = false;
};
