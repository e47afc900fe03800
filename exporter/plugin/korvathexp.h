#pragma once
// The scene exporter: writes the exported meshes of a scene over a list of frames into the
// game's vertex-mesh data file and its animation file.
#include <cstdio>
#include <string>
#include <vector>

#include "exporter/host/plugin.h"

namespace korvath {
class AtomicFileWriter;
}

namespace korvathexp {

// Dialog and control ids of the plug-in's resources.
constexpr int IDD_ABOUT = 102;
constexpr int IDD_PANEL = 105;
constexpr int IDC_FRAMERANGE = 1021;
constexpr int IDC_APPEND = 1022;

// Limits of the file format's 16-bit fields.
constexpr int kMaxTriangles = 65535;
constexpr int kMaxVertices = 16383;  // 4 x vertices must fit the frame size field
constexpr int kMaxFrames = 65535;

// One exported mesh, in export order.
struct ExportedMesh {
    hostsdk::INode* node = nullptr;
    int vertexBase = 0;
    int vertexCount = 0;
};

class KorvathExp : public hostsdk::SceneExport {
public:
    // Per-export state, reset at the start of each export.
    bool append = false;
    hostsdk::TimeValue animStart = 0, animEnd = 0;
    int ticksPerFrame = 1;
    int startFrame = 0, endFrame = 0;
    int triangleCount = 0, vertexCount = 0, meshCount = 0, meshIndex = 0;
    hostsdk::TimeValue currentTime = 0;
    bool boundsWarning = false, noTextureWarning = false, noMaterialWarning = false;
    bool vertexCountWarning = false;  // a mesh's vertex count changed between frames
    hostsdk::Interface* ip = nullptr;
    std::vector<int> frames;
    std::vector<ExportedMesh> meshes;  // their vertex bases, in export order
    int textureNumber = 0;

    int ExtCount() override { return 1; }
    const char* Ext(int n) override;
    const char* LongDesc() override;
    const char* ShortDesc() override;
    const char* AuthorName() override;
    const char* CopyrightMessage() override;
    const char* OtherMessage1() override { return ""; }
    const char* OtherMessage2() override { return ""; }
    unsigned int Version() override { return 100; }
    void ShowAbout(hostsdk::HWND parent) override;
    int DoExport(const char* name, hostsdk::ExpInterface* ei, hostsdk::Interface* i, hostsdk::BOOL suppressPrompts = hostsdk::FALSE,
                 hostsdk::DWORD options = 0) override;
    hostsdk::BOOL SupportsOptions(int ext, hostsdk::DWORD options) override;

    // Fills the frame list from the text of the options dialog (FrameListFromText).
    void ParseFrameRange(const char* text);
    // The polygon type of a face of `node` with material id `materialId`; may change the
    // texture number and set the no-material warning.
    unsigned char PolygonTypeFromMaterial(hostsdk::INode* node, hostsdk::MtlID materialId);

    static bool IsMirrored(const hostsdk::Matrix3& tm);
    // The node's mesh object at time t, or null; `made` tells that the caller must DeleteMe it.
    static hostsdk::TriObject* MeshFromNode(hostsdk::INode* node, hostsdk::TimeValue t, bool& made);

private:
    bool IsExported(hostsdk::INode* node);
    void CountPass(hostsdk::INode* node);
    void TrianglePass(std::FILE* data);
    void FramePass(korvath::AtomicFileWriter& animation);
    bool Refuse(const char* text);
    int RunOptionsDialog();
};

}  // namespace korvathexp
