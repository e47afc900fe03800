#pragma once
// Loads the exporter plug-in (korvathexp.dle) as the host does: by file name, looking up its
// five entry functions, and creating the exporter through its class descriptor.
#include <memory>
#include <string>

#include "exporter/host/plugin.h"

namespace korvath::scene {

class PluginLibrary {
public:
    // Null with `error` set when the file cannot be loaded or lacks an entry function.
    static std::unique_ptr<PluginLibrary> load(const std::string& path, std::string& error);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    const char* LibDescription() const { return description_(); }
    int LibNumberClasses() const { return numberClasses_(); }
    hostsdk::ClassDesc* LibClassDesc(int i) const { return classDesc_(i); }
    hostsdk::ULONG LibVersion() const { return version_(); }
    hostsdk::ULONG CanAutoDefer() const { return canAutoDefer_(); }

    // A new exporter from the first class whose super class is the scene exporter's; null
    // when there is none. Free it before the library.
    std::unique_ptr<hostsdk::SceneExport> createExporter() const;

private:
    PluginLibrary() = default;

    void* handle_ = nullptr;
    hostsdk::LibDescriptionFn description_ = nullptr;
    hostsdk::LibNumberClassesFn numberClasses_ = nullptr;
    hostsdk::LibClassDescFn classDesc_ = nullptr;
    hostsdk::LibVersionFn version_ = nullptr;
    hostsdk::CanAutoDeferFn canAutoDefer_ = nullptr;
};

// korvathexp.dle in the folder of the running program, else (an installed program) in the
// toolkit's library folder; the first when neither has it, for the message.
std::string pluginBesideExecutable();

}  // namespace korvath::scene
