#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <GL/glu.h>

#include "common/testing/qt_application.h"
#include "landforge/shell/views/terrain_view.h"
#include "landforge/shell/views/tests/gl_test_app.h"
#include "landforge/terrain/patch.h"
#include "landforge/view/picking.h"
#include "landforge/view/tests/view_test_util.h"

namespace landforge {
namespace {

using korvath::testing::ensureApplication;
using testing::showAndWait;

constexpr int kWidth = 200, kHeight = 150;

// A terrain, its cameras and options, and one view of it on screen.
struct GlFixture {
    explicit GlFixture(int viewIndex = kViewXY) {
        ensureApplication();
        initTerrainState(terrain, 1);
        options.shadow = false;  // exact colours unless a test wants the fog
        view = std::make_unique<TerrainView>(viewIndex, terrain, cameras, options);
        ok = showAndWait(*view, kWidth, kHeight);
        recentreAll();
    }
    void recentreAll() { recentre(cameras, terrain, options, {true, false}); }
    ViewCamera& camera() { return cameras[view->viewIndex()]; }
    QImage frame() { return view->grabFramebuffer(); }
    // The frame's pixel where a grid point is drawn, from the same matrices the view uses.
    QPoint pixelOf(const TerrainPoint& p) {
        const Vec3& c = camera().pivot;
        WindowPosition w = projectToWindow(camera(), terrain.view, {p.x - c.x, p.y - c.y, p.z - c.z});
        return {static_cast<int>(w.x), deviceHeight(camera()) - 1 - static_cast<int>(w.y)};
    }
    QColor at(const QImage& image, QPointF p) { return image.pixelColor(p.toPoint()); }

    TerrainState terrain;
    ViewCameras cameras;
    ViewOptions options;
    std::unique_ptr<TerrainView> view;
    bool ok = false;
};

::testing::AssertionResult near(QColor actual, QColor expected, int tolerance) {
    int d = std::max({std::abs(actual.red() - expected.red()), std::abs(actual.green() - expected.green()),
                      std::abs(actual.blue() - expected.blue())});
    if (d <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.red() << "," << actual.green() << "," << actual.blue()
                                         << ") is not (" << expected.red() << "," << expected.green() << ","
                                         << expected.blue() << ")";
}

// The brightest pixel of the 3 x 3 around p: lines may land on either neighbour.
QColor brightest(const QImage& img, QPoint p) {
    QColor best(Qt::black);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            QColor c = img.pixelColor(p + QPoint(dx, dy));
            if (c.red() + c.green() + c.blue() > best.red() + best.green() + best.blue()) best = c;
        }
    return best;
}

// The one cell of makeOneCell, shaded at zoom 10 so each cell side is 50 pixels.
struct OneCell : GlFixture {
    OneCell() {
        testing::makeOneCell(terrain);
        options.renderMode = RenderMode::Shaded;
        recentreAll();
        camera().zoom = {10, 10, 10};
    }
    // A point of the cell by its fractions along x and y.
    QPoint inside(float fx, float fy) { return pixelOf({100 + 10 * fx, 200 + 10 * fy, 0}); }
};

TEST(GlViews, FlatShadingPaintsEachTriangleItsMeanColour) {
    OneCell f;
    ASSERT_TRUE(f.ok);
    QImage img = f.frame();
    // Triangle (00, 10, 11): low, high, base -> (127, 170, 0); (00, 11, 01): low, base, low ->
    // (169, 85, 0). Sampled near a corner too, where smooth shading would differ.
    EXPECT_TRUE(near(img.pixelColor(f.inside(0.7f, 0.2f)), QColor(127, 170, 0), 1));
    EXPECT_TRUE(near(img.pixelColor(f.inside(0.9f, 0.05f)), QColor(127, 170, 0), 1));
    EXPECT_TRUE(near(img.pixelColor(f.inside(0.2f, 0.7f)), QColor(169, 85, 0), 1));
    EXPECT_TRUE(near(img.pixelColor(f.inside(0.05f, 0.9f)), QColor(169, 85, 0), 1));
    img.save("/tmp/lfview-flat.png");
}

TEST(GlViews, SmoothShadingBlendsTheCornerColours) {
    OneCell f;
    ASSERT_TRUE(f.ok);
    f.options.smoothShade = true;
    QImage img = f.frame();
    // Near each corner its own colour, where flat shading gives the triangle's mean.
    EXPECT_TRUE(near(img.pixelColor(f.inside(0.96f, 0.03f)), QColor(0, 255, 0), 30));   // the high corner
    EXPECT_TRUE(near(img.pixelColor(f.inside(0.96f, 0.9f)), QColor(255, 255, 0), 30));  // the base corner
    EXPECT_TRUE(near(img.pixelColor(f.inside(0.02f, 0.5f)), QColor(127, 0, 0), 30));    // between two lows
    img.save("/tmp/lfview-smooth.png");
}

// A flat 16 x 16 area at zoom 4: 20 pixels per cell.
struct FlatArea : GlFixture {
    explicit FlatArea(int viewIndex = kViewXY) : GlFixture(viewIndex) { camera().zoom = {4, 4, 4}; }
    QPoint grid(float i, float j) { return pixelOf({10 * i, 10 * j, 0}); }
    bool lit(const QImage& img, QPoint p) {
        // Lines and points may land on either neighbour of the computed pixel.
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (near(img.pixelColor(p + QPoint(dx, dy)), QColor(127, 0, 0), 2)) return true;
        return false;
    }
};

TEST(GlViews, PointsWireframeAndShaded) {
    struct Case {
        RenderMode mode;
        const char* file;
        bool vertex, edge, interior;
    };
    const Case cases[] = {
        {RenderMode::Points, "/tmp/lfview-points.png", true, false, false},
        {RenderMode::Wireframe, "/tmp/lfview-wireframe.png", true, true, false},
        {RenderMode::Shaded, "/tmp/lfview-shaded.png", true, true, true},
    };
    FlatArea f;
    ASSERT_TRUE(f.ok);
    for (const Case& k : cases) {
        f.options.renderMode = k.mode;
        QImage img = f.frame();
        img.save(k.file);
        EXPECT_EQ(f.lit(img, f.grid(5, 6)), k.vertex) << k.file;
        EXPECT_EQ(f.lit(img, f.grid(5.5f, 6)), k.edge) << k.file;          // on a cell's lower edge
        EXPECT_EQ(f.lit(img, f.grid(5.7f, 6.25f)), k.interior) << k.file;  // inside a triangle
    }
}

// The flat area lies zoom x 16 x 10 = 640 units in front of the eye and the fog ends at twice
// that, from 10: (1280 - 640) / (1280 - 10) of the low colour's red is left.
TEST(GlViews, ShadowFadesWithDistance) {
    FlatArea f;
    ASSERT_TRUE(f.ok);
    f.options.renderMode = RenderMode::Shaded;
    f.options.shadow = true;
    QImage img = f.frame();
    img.save("/tmp/lfview-shadow.png");
    EXPECT_TRUE(near(img.pixelColor(f.grid(5.7f, 6.25f)), QColor(64, 0, 0), 2));
}

TEST(GlViews, BottomSeeThroughCullsTheUnderside) {
    FlatArea f(kViewFreeRotate);
    ASSERT_TRUE(f.ok);
    f.options.renderMode = RenderMode::Shaded;
    f.camera().angles = {0, 180, 0};  // looking up at the bottom
    QImage culled = f.frame();
    EXPECT_FALSE(f.lit(culled, f.grid(5.5f, 6)));
    EXPECT_FALSE(f.lit(culled, f.grid(5.7f, 6.25f)));
    f.options.bottomSeeThrough = false;
    QImage seen = f.frame();
    seen.save("/tmp/lfview-underside.png");
    EXPECT_TRUE(f.lit(seen, f.grid(5.5f, 6)));       // back faces as lines
    EXPECT_FALSE(f.lit(seen, f.grid(5.7f, 6.25f)));  // not filled
    f.camera().angles = {0, 0, 0};
    EXPECT_TRUE(f.lit(f.frame(), f.grid(5.7f, 6.25f)));  // the top side is filled
}

TEST(GlViews, AnImportPreviewIsWhite) {
    FlatArea f;
    ASSERT_TRUE(f.ok);
    f.options.renderMode = RenderMode::Shaded;
    f.options.smoothShade = true;
    ImportPatch& p = f.terrain.patch;
    p.importWidth = 4;
    p.importHeight = 3;
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 4; ++i) p.point(i, j) = {10.0f * i, 10.0f * j, 200};
    startImport(f.terrain);
    f.camera().zoom = {2, 2, 2};  // the whole area in view
    QImage img = f.frame();
    img.save("/tmp/lfview-import.png");
    EXPECT_TRUE(near(img.pixelColor(f.grid(1.5f, 1.3f)), Qt::white, 0));
    EXPECT_TRUE(near(img.pixelColor(f.grid(8.5f, 8.3f)), QColor(127, 0, 0), 1));
    EXPECT_FLOAT_EQ(f.terrain.grid.point(1, 1).z, 0.0f);
}

TEST(GlViews, AOnePointAreaDrawsOnlyTheAxisMarker) {
    GlFixture f;
    ASSERT_TRUE(f.ok);
    f.terrain.view = {5, 5, 1, 1};
    f.recentreAll();
    QImage img = f.frame();
    img.save("/tmp/lfview-axes.png");
    const int r = qRound(f.camera().devicePixelRatio);  // the frame is in device pixels
    const QPoint centre(img.width() / 2, img.height() / 2);
    // x runs right in red, y up in green, brighter away from the origin; 40 units are 20 pixels.
    QColor x = brightest(img, centre + QPoint(15 * r, 0)), y = brightest(img, centre + QPoint(0, -15 * r));
    EXPECT_GT(x.red(), 150);
    EXPECT_EQ(x.green(), 0);
    EXPECT_GT(y.green(), 150);
    EXPECT_EQ(y.red(), 0);
    EXPECT_GT(x.red(), brightest(img, centre + QPoint(4 * r, 0)).red());
    int lit = 0;
    for (int yy = 0; yy < img.height(); ++yy)
        for (int xx = 0; xx < img.width(); ++xx) lit += img.pixelColor(xx, yy) != Qt::black;
    EXPECT_GT(lit, 30 * r);
    EXPECT_LT(lit, 60 * r);
}

// The views' own projection agrees with the GL utility library's for the same matrices.
TEST(GlViews, ProjectionAgreesWithGluProject) {
    GlFixture f(kViewFreeRotate);
    f.camera().angles = {30, -40, 75};
    f.camera().zoom = {1.7f, 1.7f, 1.7f};
    Matrix4 mv = modelview(f.camera(), f.terrain.view), pr = projection(f.camera());
    GLdouble mvd[16], prd[16];
    std::copy(mv.m.begin(), mv.m.end(), mvd);
    std::copy(pr.m.begin(), pr.m.end(), prd);
    GLint viewport[4] = {0, 0, deviceWidth(f.camera()), deviceHeight(f.camera())};
    for (TerrainPoint v : {TerrainPoint{0, 0, 0}, TerrainPoint{-60, 35, 120}, TerrainPoint{75, -75, 3}}) {
        GLdouble x, y, z;
        ASSERT_EQ(gluProject(v.x, v.y, v.z, mvd, prd, viewport, &x, &y, &z), GL_TRUE);
        WindowPosition w = projectToWindow(f.camera(), f.terrain.view, v);
        EXPECT_NEAR(w.x, x, 1e-6);
        EXPECT_NEAR(w.y, y, 1e-6);
        EXPECT_NEAR(w.depth, z, 1e-9);
    }
}

TEST(GlViews, ALeftDragInTheXYViewMovesThePickedPoint) {
    GlFixture f;
    ASSERT_TRUE(f.ok);
    QSignalSpy edited(f.view.get(), &TerrainView::terrainEdited);
    QSignalSpy released(f.view.get(), &TerrainView::buttonReleased);
    const double ratio = f.camera().devicePixelRatio;
    QPoint device = f.pixelOf(f.terrain.grid.point(3, 5));
    QPoint start(qRound(device.x() / ratio), qRound(device.y() / ratio));
    QTest::mousePress(f.view.get(), Qt::LeftButton, {}, start);
    QTest::mouseMove(f.view.get(), start + QPoint(6, -4));  // 6 right, 4 up
    QTest::mouseRelease(f.view.get(), Qt::LeftButton, {}, start + QPoint(6, -4));
    // Snap 2 at zoom 1: each pixel is worth trunc(10 / 2) = 5 units.
    EXPECT_FLOAT_EQ(f.terrain.grid.point(3, 5).x, 30.0f + 30.0f);
    EXPECT_FLOAT_EQ(f.terrain.grid.point(3, 5).y, 50.0f + 20.0f);
    EXPECT_FLOAT_EQ(f.terrain.grid.point(3, 5).z, 0.0f);
    EXPECT_EQ(f.terrain.selection.items().front(), (GridIndex{3, 5}));
    EXPECT_TRUE(f.terrain.modified);
    EXPECT_EQ(f.terrain.history.undoList.size(), 1u);
    EXPECT_GE(edited.count(), 1);
    EXPECT_EQ(released.count(), 1);
    EXPECT_EQ(f.options.activeView, kViewXY);
}

}  // namespace
}  // namespace landforge
