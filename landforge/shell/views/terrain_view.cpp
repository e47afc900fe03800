#include "landforge/shell/views/terrain_view.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QTimer>

#include "landforge/shell/views/gl_drawing.h"

using namespace landforge;

namespace {

// The views share one cache: it compares what it would draw with what it built, so the four
// views of one redraw assemble the triangles once.
TerrainMeshCache& meshCache() {
    static TerrainMeshCache cache;
    return cache;
}

QSurfaceFormat viewFormat() {
    QSurfaceFormat f;
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setRedBufferSize(5);
    f.setGreenBufferSize(5);
    f.setBlueBufferSize(5);
    f.setDepthBufferSize(24);
    return f;
}

// Fixed-function OpenGL with at least 16 colour bits and a depth buffer.
bool usable(const QOpenGLContext* context) {
    if (!context || !context->isValid() || context->isOpenGLES()) return false;
    QSurfaceFormat f = context->format();
    return f.redBufferSize() + f.greenBufferSize() + f.blueBufferSize() >= 15 && f.depthBufferSize() >= 16;
}

}  // namespace

void redrawTerrainViews(QWidget* window) {
    if (!window) return;
    for (TerrainView* view : window->window()->findChildren<TerrainView*>()) view->update();
}

TerrainView::TerrainView(int viewIndex, TerrainState& terrain, ViewCameras& cameras, ViewOptions& options,
                         QWidget* parent)
    : QOpenGLWidget(parent), viewIndex_(viewIndex), terrain_(terrain), cameras_(cameras), options_(options) {
    setObjectName(viewName(viewIndex));
    setFormat(viewFormat());
    setFocusPolicy(Qt::ClickFocus);
}

void TerrainView::initializeGL() {
    if (!usable(context())) {
        reportFailure();
        return;
    }
    setUpViewContext(viewIndex_);
}

// The camera keeps the logical size (the projection's units) and the ratio to device pixels
// (the viewport's and picking's).
void TerrainView::storeSize() {
    ViewCamera& cam = cameras_[viewIndex_];
    cam.width = width();
    cam.height = height();
    cam.devicePixelRatio = devicePixelRatioF();
}

void TerrainView::resizeGL(int, int) { storeSize(); }

void TerrainView::paintGL() {
    if (failed_) return;
    storeSize();
    ViewCamera& cam = cameras_[viewIndex_];
    drawTerrainPass(meshCache().mesh(terrain_, options_.smoothShade, cam.pivot), cam, terrain_.view, options_);
    drawAxisMarker(cam);
}

void TerrainView::showEvent(QShowEvent* event) {
    QOpenGLWidget::showEvent(event);
    // A context that could not be made at all never reaches initializeGL.
    QTimer::singleShot(0, this, [this] {
        if (!isValid()) reportFailure();
    });
}

void TerrainView::reportFailure() {
    if (failed_) return;
    failed_ = true;
    QMetaObject::invokeMethod(this, &TerrainView::contextFailed, Qt::QueuedConnection);
}

void TerrainView::focusInEvent(QFocusEvent* event) {
    options_.activeView = viewIndex_;
    QOpenGLWidget::focusInEvent(event);
}

void TerrainView::mousePressEvent(QMouseEvent* event) { handleMouse(event, MouseEventKind::Press); }
void TerrainView::mouseMoveEvent(QMouseEvent* event) { handleMouse(event, MouseEventKind::Move); }
void TerrainView::mouseReleaseEvent(QMouseEvent* event) { handleMouse(event, MouseEventKind::Release); }

void TerrainView::handleMouse(QMouseEvent* event, MouseEventKind kind) {
    MouseInput in;
    in.kind = kind;
    in.view = viewIndex_;
    in.button = event->button() == Qt::LeftButton    ? MouseButton::Left
                : event->button() == Qt::RightButton ? MouseButton::Right
                                                     : MouseButton::None;
    if (kind != MouseEventKind::Move && in.button == MouseButton::None) return;
    in.left = event->buttons() & Qt::LeftButton;
    in.right = event->buttons() & Qt::RightButton;
    in.shift = event->modifiers() & Qt::ShiftModifier;
    in.ctrl = event->modifiers() & Qt::ControlModifier;
    in.x = qRound(event->position().x());
    in.y = qRound(event->position().y());
    event->accept();

    const MouseOutcome out = applyMouse(terrain_, cameras_, options_, in);
    if (out.captureMouse) setFocus(Qt::MouseFocusReason);
    if (out.redrawAllViews) redrawTerrainViews(this);
    else if (out.redrawThisView) update();
    if (out.terrainModified) emit terrainEdited();
    if (out.viewAreaMoved) emit viewAreaMoved();
    if (out.cameraChanged) emit cameraChanged();
    if (out.repaintOverhead) emit buttonReleased();
}
