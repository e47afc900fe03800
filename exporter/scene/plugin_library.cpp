#include "exporter/scene/plugin_library.h"

#include <filesystem>

#include "common/files/home_folder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace korvath::scene {

using namespace hostsdk;

namespace {

// The platform's shared-library calls, so the loader below reads the same everywhere.
#ifdef _WIN32
void* openLibrary(const std::string& path) { return reinterpret_cast<void*>(LoadLibraryA(path.c_str())); }
void* findSymbol(void* handle, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}
void closeLibrary(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }
std::string lastLoadError() { return "error " + std::to_string(GetLastError()); }
#else
void* openLibrary(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }
void* findSymbol(void* handle, const char* name) { return dlsym(handle, name); }
void closeLibrary(void* handle) { dlclose(handle); }
std::string lastLoadError() {
    const char* reason = dlerror();
    return reason ? reason : "";
}
#endif

template <typename Fn>
bool lookUp(void* handle, const char* name, Fn& out, const std::string& path, std::string& error) {
    out = reinterpret_cast<Fn>(findSymbol(handle, name));
    if (!out) error = path + ": the plug-in has no entry function " + name;
    return out != nullptr;
}

}  // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::load(const std::string& path, std::string& error) {
    void* handle = openLibrary(path);
    if (!handle) {
        std::string reason = lastLoadError();
        error = "Cannot load the plug-in " + path + (reason.empty() ? std::string() : ": " + reason);
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
    if (handle_) closeLibrary(handle_);
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
#ifdef _WIN32
    char buffer[MAX_PATH] = {};
    ::DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "korvathexp.dle";
    std::filesystem::path exe(std::string(buffer, length));
#else
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "korvathexp.dle";
#endif
    // Beside the program in the build tree; an installed program finds it in the toolkit's
    // library folder.
    std::filesystem::path beside = exe.parent_path() / "korvathexp.dle";
    if (std::filesystem::exists(beside, ec)) return beside.string();
    std::filesystem::path installed = installedPluginFolder(exe.parent_path()) / "korvathexp.dle";
    return std::filesystem::exists(installed, ec) ? installed.string() : beside.string();
}

}  // namespace korvath::scene
