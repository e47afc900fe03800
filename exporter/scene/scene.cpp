#include "exporter/scene/scene.h"

namespace korvath::scene {

using namespace hostsdk;

Scene::Scene(WindowSystem& windows)
    : mainWindow_{&windows, "Scene"}, root_(std::make_unique<SceneNode>(*this, nullptr, "Scene Root")) {}

Scene::~Scene() {
    // Nodes go first: their converted objects report to this scene when they are freed.
    root_.reset();
}

StandardMaterial& Scene::addStandard(std::string name) {
    auto material = std::make_unique<StandardMaterial>(std::move(name));
    auto& result = *material;
    materials_.push_back(std::move(material));
    return result;
}

MultiMaterial& Scene::addMulti(std::string name) {
    auto material = std::make_unique<MultiMaterial>(std::move(name));
    auto& result = *material;
    materials_.push_back(std::move(material));
    return result;
}

OtherMaterial& Scene::addOtherMaterial(std::string name, Class_ID id) {
    auto material = std::make_unique<OtherMaterial>(std::move(name), id);
    auto& result = *material;
    materials_.push_back(std::move(material));
    return result;
}

BitmapTexture& Scene::addBitmap() {
    auto map = std::make_unique<BitmapTexture>();
    auto& result = *map;
    maps_.push_back(std::move(map));
    return result;
}

BOOL Scene::ProgressStart(const char* title, BOOL displayBar, LPTHREAD_START_ROUTINE, void*) {
    progressRunning_ = true;
    report({ProgressEvent::Kind::Start, title ? title : "", 0, displayBar != 0});
    return TRUE;
}

void Scene::ProgressUpdate(int percent, BOOL showPercent, const char* title) {
    report({ProgressEvent::Kind::Update, title ? title : "", percent, showPercent != 0});
}

void Scene::ProgressEnd() {
    progressRunning_ = false;
    report({ProgressEvent::Kind::End, "", 0, false});
}

void Scene::report(ProgressEvent event) {
    progress_.push_back(event);
    if (progressListener_) progressListener_(progress_.back());
}

}  // namespace korvath::scene
