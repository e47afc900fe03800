#include "landforge/shell/views/gl_drawing.h"

#include <QtGui/qopengl.h>

namespace landforge {

void setUpViewContext(int viewIndex) {
    glClearColor(0, 0, 0, 1);
    const GLfloat black[4] = {0, 0, 0, 1};
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, black);
    if (viewIndex == kViewAllInOne) {
        glFogf(GL_FOG_START, -45);
        glFogf(GL_FOG_END, 100);
        glFogf(GL_FOG_DENSITY, 0.01f);
    } else {
        glFogf(GL_FOG_START, 10);
        glFogf(GL_FOG_END, 100);
    }
    glEnable(GL_FOG);
}

void drawTerrainPass(const TerrainMesh& mesh, const ViewCamera& camera, const ViewArea& area,
                     const ViewOptions& options) {
    glViewport(0, 0, deviceWidth(camera), deviceHeight(camera));
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(projection(camera).m.data());

    switch (options.renderMode) {
    case RenderMode::Points:
        glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
        break;
    case RenderMode::Wireframe:
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        break;
    case RenderMode::Shaded:
        glPolygonMode(GL_FRONT, GL_FILL);
        glPolygonMode(GL_BACK, GL_LINE);
        break;
    }
    glEnable(GL_DEPTH_TEST);
    if (options.bottomSeeThrough && options.renderMode != RenderMode::Points) {
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
    } else {
        glDisable(GL_CULL_FACE);
    }
    glShadeModel(options.smoothShade ? GL_SMOOTH : GL_FLAT);
    if (options.shadow) {
        glEnable(GL_FOG);
        glFogf(GL_FOG_END, shadowFogEnd(camera, area));
    } else {
        glDisable(GL_FOG);
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(modelview(camera, area).m.data());

    if (mesh.vertexCount() == 0) return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, mesh.positions.data());
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, mesh.colors.data());
    glDrawArrays(GL_TRIANGLES, 0, mesh.vertexCount());
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void drawAxisMarker(const ViewCamera& camera) {
    static const GLfloat positions[] = {0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 40};
    static const GLfloat colors[] = {0.2f, 0, 0, 1, 0, 0, 0, 0.2f, 0, 0, 1, 0, 0, 0, 0.2f, 0, 0, 1};
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_FOG);
    glShadeModel(GL_SMOOTH);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(rotationOnly(camera).m.data());
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, positions);
    glColorPointer(3, GL_FLOAT, 0, colors);
    glDrawArrays(GL_LINES, 0, 6);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

}  // namespace landforge
