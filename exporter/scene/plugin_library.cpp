#include "scene/plugin_library.h"

#include <dlfcn.h>

#include <filesystem>

namespace korvath::scene {

using namespace hostsdk;

namespace {

template <typename Fn>
bool lookUp(void* handle, const char* name, Fn& out, const std::string& path, std::string& error) {
    out = reinterpret_cast<Fn>(dlsym(handle, name));
    if (!out) error = path + ": the plug-in has no entry function " + name;
    return out != nullptr;
}

}  // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::load(const std::string& path, std::string& error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        error = "Cannot load the plug-in " + path + (reason ? std::string(": ") + reason : std::string());
        return nullptr;
    }
    std::unique_ptr<PluginLibrary> library(new PluginLibrary());
    library->handle_ = handle;
    if (!lookUp(handle, "LibDescription", library->description_, path, error) ||
        !lookUp(handle, "LibNumberClasses", library->numberClasses_, path, error) ||
        !lookUp(handle, "LibClassDesc", library->classDesc_, path, error) ||
        !lookUp(handle, "LibVersion", library->version_, path, error) ||
        !lookUp(handle, "CanAutoDefer", library->canAutoDefer_, path, error))
        return nullptr;
    return library;
}

PluginLibrary::~PluginLibrary() {
    if (handle_) dlclose(handle_);
}

std::unique_ptr<SceneExport> PluginLibrary::createExporter() const {
    const int count = LibNumberClasses();
    for (int i = 0; i < count; ++i) {
        ClassDesc* desc = LibClassDesc(i);
        if (desc && desc->SuperClassID() == SCENE_EXPORT_CLASS_ID)
            return std::unique_ptr<SceneExport>(static_cast<SceneExport*>(desc->Create(FALSE)));
    }
    return nullptr;
}

std::string pluginBesideExecutable() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "korvathexp.dle";
    return (exe.parent_path() / "korvathexp.dle").string();
}

}  // namespace korvath::scene
