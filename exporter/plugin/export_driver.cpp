// DoExport: the options, the count pass, the triangle pass and the frame pass.
#include <algorithm>
#include <cstdint>
#include <memory>

#include "common/files/atomic_file.h"

#include "exporter/plugin/dialogs.h"
#include "exporter/plugin/export_rules.h"
#include "exporter/plugin/frame_packing.h"
#include "exporter/plugin/korvathexp.h"
#include "exporter/plugin/mesh_files.h"
#include "exporter/plugin/module.h"

namespace korvathexp {

using namespace hostsdk;

namespace {

constexpr const char* kWarning = "Warning!";
constexpr const char* kFatal = "Fatal Error!";

DWORD DoNothing(void*) { return 0; }

// Frees a mesh object that MeshFromNode made for its caller.
struct MeshHandle {
    TriObject* tri = nullptr;
    bool made = false;
    MeshHandle(INode* node, TimeValue t) { tri = KorvathExp::MeshFromNode(node, t, made); }
    ~MeshHandle() {
        if (tri && made) tri->DeleteMe();
    }
    MeshHandle(const MeshHandle&) = delete;
    MeshHandle& operator=(const MeshHandle&) = delete;
};

void ShowBox(Interface* ip, const char* text, const char* caption) {
    HWND main = ip->GetMAXHWnd();
    if (main && main->windows) main->windows->MessageBox(nullptr, text, caption, MB_OK | MB_ICONWARNING);
}

}  // namespace

bool KorvathExp::IsMirrored(const Matrix3& tm) {
    return DotProd(CrossProd(tm.GetRow(0), tm.GetRow(1)), tm.GetRow(2)) < 0.0f;
}

TriObject* KorvathExp::MeshFromNode(INode* node, TimeValue t, bool& made) {
    made = false;
    Object* obj = node->EvalWorldState(t).obj;
    if (!obj || !obj->CanConvertToType(triObjectClassID)) return nullptr;
    Object* converted = obj->ConvertToType(t, triObjectClassID);
    if (!converted) return nullptr;
    made = converted != obj;
    return static_cast<TriObject*>(converted);
}

bool KorvathExp::IsExported(INode* node) {
    if (!IsExportableName(node->GetName())) return false;
    Object* obj = node->EvalWorldState(0).obj;
    return obj && obj->SuperClassID() == GEOMOBJECT_CLASS_ID;
}

// Every exported node is listed once, a node before its children, so the totals are what
// the other passes write.
void KorvathExp::CountPass(INode* node) {
    if (IsExported(node)) {
        MeshHandle mesh(node, currentTime);
        if (mesh.tri) {
            const Mesh& m = mesh.tri->GetMesh();
            meshes.push_back({node, vertexCount, m.getNumVerts()});
            triangleCount += m.getNumFaces();
            vertexCount += m.getNumVerts();
            ++meshCount;
        }
    }
    for (int c = 0; c < node->NumberOfChildren(); ++c) {
        if (ip->GetCancel()) return;
        if (INode* child = node->GetChildNode(c)) CountPass(child);
    }
}

void KorvathExp::TrianglePass(std::FILE* data) {
    std::vector<unsigned char> records;  // one mesh's triangles, written in one block
    for (const ExportedMesh& entry : meshes) {
        if (ip->GetCancel()) return;
        MeshHandle handle(entry.node, currentTime);
        if (handle.tri) {
            const Mesh& mesh = handle.tri->GetMesh();
            // Unmirrored faces are written in reverse, so the game sees the front side.
            const bool mirrored = IsMirrored(entry.node->GetObjTMAfterWSM(currentTime));
            const int order[3] = {mirrored ? 0 : 2, 1, mirrored ? 2 : 0};
            const bool textured = mesh.getNumTVerts() > 0;
            for (int f = 0; f < mesh.getNumFaces(); ++f) {
                const Face& face = mesh.faces[static_cast<size_t>(f)];
                TriangleRecord record;
                record.a = static_cast<std::uint16_t>(face.v[order[0]] + entry.vertexBase);
                record.b = static_cast<std::uint16_t>(face.v[order[1]] + entry.vertexBase);
                record.c = static_cast<std::uint16_t>(face.v[order[2]] + entry.vertexBase);
                if (textured) {
                    const bool hasFace = static_cast<size_t>(f) < mesh.tvFace.size();
                    for (int corner = 0; corner < 3; ++corner) {
                        if (!hasFace) break;
                        const DWORD t = mesh.tvFace[static_cast<size_t>(f)].t[order[corner]];
                        if (t >= static_cast<DWORD>(mesh.getNumTVerts())) continue;
                        const UVVert& uv = mesh.getTVert(static_cast<int>(t));
                        record.uv[corner * 2] = TextureU(uv.x);
                        record.uv[corner * 2 + 1] = TextureV(uv.y);
                    }
                } else {
                    noTextureWarning = true;
                }
                record.polygonType = PolygonTypeFromMaterial(entry.node, face.getMatID());
                record.textureNumber = static_cast<std::uint8_t>(textureNumber);
                AppendTriangle(records, record);
            }
            if (!records.empty()) std::fwrite(records.data(), 1, records.size(), data);
            records.clear();
        }
        ++meshIndex;
    }
}

// Frames are written in blocks of about a megabyte, and every few blocks the disk is asked to
// start storing them, so the flush at the end has little left to wait for.
void KorvathExp::FramePass(korvath::AtomicFileWriter& animation) {
    constexpr size_t kBlockWords = size_t{1} << 18;
    constexpr size_t kBlocksPerFlush = 4;
    std::vector<std::uint32_t> packed;  // whole frames, written when a block is full
    size_t blocks = 0;
    auto writeBlock = [&] {
        WritePackedVertices(animation.stream(), packed);
        packed.clear();
        if (++blocks % kBlocksPerFlush == 0) animation.startFlush();
    };
    const size_t frameCount = frames.size();
    for (size_t j = 0; j < frameCount; ++j) {
        currentTime = frames[j] * ticksPerFrame;
        ip->ProgressUpdate(static_cast<int>(j * 100 / frameCount), TRUE, nullptr);
        for (const ExportedMesh& entry : meshes) {
            if (ip->GetCancel()) break;
            MeshHandle handle(entry.node, currentTime);
            const Matrix3 tm = entry.node->GetObjTMAfterWSM(currentTime);
            const int available = handle.tri ? handle.tri->GetMesh().getNumVerts() : 0;
            if (available != entry.vertexCount) vertexCountWarning = true;
            // Every frame keeps the counted number of vertices, so later frames stay aligned.
            const size_t count = static_cast<size_t>(entry.vertexCount);
            const size_t packedCount = static_cast<size_t>(std::min(entry.vertexCount, available));
            const size_t at = packed.size();
            packed.resize(at + count);
            const Point3* verts = packedCount > 0 ? handle.tri->GetMesh().verts.data() : nullptr;
            if (PackFrame(tm, verts, packedCount, packed.data() + at)) boundsWarning = true;
            std::fill(packed.begin() + static_cast<std::ptrdiff_t>(at + packedCount), packed.end(),
                      PackVertex(0.0f, 0.0f, 0.0f));
        }
        if (packed.size() >= kBlockWords) writeBlock();
    }
    if (!packed.empty()) writeBlock();
}

bool KorvathExp::Refuse(const char* text) {
    ShowBox(ip, text, kFatal);
    return false;
}

int KorvathExp::RunOptionsDialog() {
    HWND main = ip->GetMAXHWnd();
    if (!main || !main->windows) return -1;
    return static_cast<int>(
        main->windows->DialogBoxParam(OptionsTemplate(), main, OptionsProc, reinterpret_cast<LPARAM>(this)));
}

int KorvathExp::DoExport(const char* name, ExpInterface*, Interface* i, BOOL suppressPrompts, DWORD options) {
    ModuleState& module = Module();
    module.showPrompts = !suppressPrompts;
    module.exportSelected = (options & SCENE_EXPORT_SELECTED) != 0;
    ip = i;
    if (!ip) return 0;
    const Interval range = ip->GetAnimRange();
    animStart = range.Start();
    animEnd = range.End();
    ticksPerFrame = ip->GetTicksPerFrame();
    if (ticksPerFrame <= 0 || !name) return 0;
    startFrame = animStart / ticksPerFrame;
    endFrame = animEnd / ticksPerFrame;
    append = false;
    boundsWarning = noTextureWarning = noMaterialWarning = vertexCountWarning = false;
    frames.clear();

    const std::string animationPath = MakeAnimationPath(name);

    if (module.showPrompts) {
        const int answer = RunOptionsDialog();
        if (answer == 0) return 1;  // cancelled: nothing written
        if (answer != 1) return 0;  // the dialog could not be shown
    } else {
        ParseFrameRange(nullptr);
    }

    // Everything that can refuse the export is settled before a file is touched.
    if (animationPath == name)
        return Refuse("The animation file would replace the data file!\nChoose a name that does not end in _a.3d!");
    triangleCount = vertexCount = meshCount = meshIndex = 0;
    textureNumber = 0;
    meshes.clear();
    currentTime = startFrame * ticksPerFrame;
    if (INode* root = ip->GetRootNode()) CountPass(root);
    if (triangleCount > kMaxTriangles)
        return Refuse("The export has more than 65535 triangles!\nNothing was written!");
    if (vertexCount > kMaxVertices)
        return Refuse("The export has 16384 vertices or more!\nNothing was written!");
    if (frames.size() > static_cast<size_t>(kMaxFrames))
        return Refuse("More than 65535 frames were chosen!\nNothing was written!");

    // Both files are written beside their targets and renamed into place when complete.
    korvath::AtomicFileWriter data;
    if (!data.open(name)) return 0;
    ip->ProgressStart(GetString(7), TRUE, DoNothing, nullptr);
    WriteDataHeader(data.stream(), triangleCount, vertexCount);
    TrianglePass(data.stream());
    data.startFlush();  // stored while the frames are packed
    korvath::AtomicFileWriter animation;
    using Start = korvath::AtomicFileWriter::Start;
    if (!animation.open(animationPath, append ? Start::CopyOfTarget : Start::Empty)) {
        data.commit();  // the data file stands even when its animation file cannot be opened
        ip->ProgressEnd();
        return 0;
    }
    if (!append) {
        WriteAnimationHeader(animation.stream(), static_cast<int>(frames.size()), 4 * vertexCount);
    } else {
        const AppendResult fit =
            OpenAnimationForAppend(animation.stream(), vertexCount, static_cast<int>(frames.size()));
        if (fit != AppendResult::Ready) {
            ShowBox(ip, AppendRefusal(fit), kFatal);
            ip->ProgressEnd();
            // A refused append leaves the new data file and the old animation file; a damaged
            // animation file leaves both files as they were. The copy is dropped.
            if (fit != AppendResult::WrongSize) data.commit();
            return 0;
        }
    }
    FramePass(animation);
    ip->ProgressEnd();
    // A cancelled export skipped nodes, so its headers overstate what follows them: both copies
    // are dropped and the files stay as they were.
    if (!ip->GetCancel() && (!data.commit() || !animation.commit())) return 0;

    if (boundsWarning) ShowBox(ip, "A vertex was exported that violated the -128 to 128 bounds", kWarning);
    if (noTextureWarning) ShowBox(ip, "The mesh has no texture coords!\nZeros were written!", kWarning);
    if (noMaterialWarning) ShowBox(ip, "The mesh has no material!\nNo polygon flags set!", kWarning);
    if (vertexCountWarning)
        ShowBox(ip, "A mesh changed its vertex count between frames!\nEvery frame keeps the first frame's count!",
                kWarning);
    return 1;
}

}  // namespace korvathexp
