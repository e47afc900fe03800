#pragma once
// An in-memory scene that implements the host interface, for tests and for hosts that build
// a scene from something else (model files).
//
// How a host uses it:
// - Fill: `ScriptedWindows windows; Scene scene(windows);` then `scene.root().addChild("Box")`
//   gives a SceneNode; give it a mesh (setMesh, setMeshAt for key frames, or setMeshEvaluator
//   to fill the mesh for a time in place, e.g. skinned vertices), a transform relative to its
//   parent (setTransform / setTransformAt / setTransformEvaluator; setInheritsParent(false)
//   when the host computes world transforms itself), a material made by scene.addStandard(...)
//   or scene.addMulti(...), children with addChild. Set the range with
//   setAnimRange(startTick, endTick) and setTicksPerFrame (default 160: 30 frames a second).
// - Options dialog: queue the answer before DoExport with windows.answerDialog({...}): texts
//   and check states by control id (1021 frame range, 1022 "Append animations") and the
//   buttons to press (IDOK, IDCANCEL). A dialog with no queued answer is cancelled.
// - Cancel: scene.cancelFlag() is a lock-free atomic; a signal handler may set it.
// - Progress and message boxes: scene.setProgressListener(...) and
//   windows.setMessageListener(...) see each as it happens; scene.progress() and
//   windows.messages() keep them all for later.
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "exporter/host/interface.h"
#include "exporter/scene/scene_materials.h"
#include "exporter/scene/scene_node.h"
#include "exporter/scene/scripted_windows.h"

namespace korvath::scene {

struct ProgressEvent {
    enum class Kind { Start, Update, End };
    Kind kind = Kind::Start;
    std::string title;  // Start: the title; Update: the new title, if any
    int percent = 0;
    bool flag = false;  // Start: bar shown; Update: percentage shown
};

class Scene : public hostsdk::Interface {
public:
    explicit Scene(hostsdk::WindowSystem& windows);
    ~Scene() override;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    SceneNode& root() { return *root_; }
    void setAnimRange(hostsdk::TimeValue start, hostsdk::TimeValue end) { range_ = {start, end}; }
    void setTicksPerFrame(int ticks) { ticksPerFrame_ = ticks; }

    StandardMaterial& addStandard(std::string name);
    MultiMaterial& addMulti(std::string name);
    // A material of a class the exporter does not know.
    OtherMaterial& addOtherMaterial(std::string name, hostsdk::Class_ID id);
    BitmapTexture& addBitmap();

    std::atomic<bool>& cancelFlag() { return cancel_; }
    void setProgressListener(std::function<void(const ProgressEvent&)> listener) { progressListener_ = std::move(listener); }
    const std::vector<ProgressEvent>& progress() const { return progress_; }
    bool progressRunning() const { return progressRunning_; }
    hostsdk::HostWindow& mainWindow() { return mainWindow_; }
    // Objects that ConvertToType made for a caller and that were not yet freed.
    int liveConversions() const { return liveConversions_; }

    // The host interface.
    hostsdk::Interval GetAnimRange() override { return range_; }
    int GetTicksPerFrame() override { return ticksPerFrame_; }
    hostsdk::HWND GetMAXHWnd() override { return &mainWindow_; }
    hostsdk::INode* GetRootNode() override { return root_.get(); }
    hostsdk::BOOL ProgressStart(const char* title, hostsdk::BOOL displayBar, hostsdk::LPTHREAD_START_ROUTINE fn,
                                void* arg) override;
    void ProgressUpdate(int percent, hostsdk::BOOL showPercent, const char* title) override;
    void ProgressEnd() override;
    hostsdk::BOOL GetCancel() override { return cancel_.load() ? 1 : 0; }

private:
    friend class SceneNode;
    void report(ProgressEvent event);

    hostsdk::HostWindow mainWindow_;
    std::unique_ptr<SceneNode> root_;
    hostsdk::Interval range_{0, 0};
    int ticksPerFrame_ = 160;
    std::vector<std::unique_ptr<hostsdk::Mtl>> materials_;
    std::vector<std::unique_ptr<hostsdk::Texmap>> maps_;
    std::atomic<bool> cancel_{false};
    std::function<void(const ProgressEvent&)> progressListener_;
    std::vector<ProgressEvent> progress_;
    bool progressRunning_ = false;
    int liveConversions_ = 0;
};

}  // namespace korvath::scene
