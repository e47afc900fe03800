// The library's entry functions, its class descriptor and the exporter's answers to the host.
#include <new>

#ifdef _WIN32
// windows.h is kept out: its TRUE/FALSE/BOOL would clash with the host layer's own.
#define KORVATHEXP_EXPORT extern "C" __declspec(dllexport)
#else
#include <dlfcn.h>
#define KORVATHEXP_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#include "exporter/plugin/korvathexp.h"
#include "exporter/plugin/module.h"

namespace korvathexp {

using namespace hostsdk;

namespace {

#ifndef _WIN32
// The library's instance handle is where it was loaded.
__attribute__((constructor)) void libraryLoaded() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&libraryLoaded), &info) && info.dli_fbase)
        LibraryEntry(info.dli_fbase);
}
#endif

constexpr Class_ID kExporterClassId(0x71B82143, 0x77F82E0C);

class KorvathExpClassDesc : public ClassDesc {
public:
    int IsPublic() override { return 1; }
    void* Create(BOOL) override { return static_cast<SceneExport*>(new (std::nothrow) KorvathExp()); }
    int BeginCreate(Interface*) override { return 0; }
    int EndCreate(Interface*) override { return 0; }
    const char* ClassName() override { return GetString(1); }
    SClass_ID SuperClassID() override { return SCENE_EXPORT_CLASS_ID; }
    Class_ID ClassID() override { return kExporterClassId; }
    const char* Category() override { return GetString(2); }
    BOOL OkToCreate(Interface*) override { return TRUE; }
    BOOL HasClassParams() override { return FALSE; }
};

KorvathExpClassDesc classDesc;

}  // namespace

}  // namespace korvathexp

#ifdef _WIN32
// The loader tells the library its instance handle on attach (reason 1).
extern "C" int __stdcall DllMain(void* instance, unsigned long reason, void*) {
    if (reason == 1) korvathexp::LibraryEntry(static_cast<hostsdk::HINSTANCE>(instance));
    return 1;
}
#endif

KORVATHEXP_EXPORT const char* LibDescription() { return korvathexp::GetString(9); }
KORVATHEXP_EXPORT int LibNumberClasses() { return 1; }
KORVATHEXP_EXPORT hostsdk::ClassDesc* LibClassDesc(int i) { return i == 0 ? &korvathexp::classDesc : nullptr; }
KORVATHEXP_EXPORT hostsdk::ULONG LibVersion() { return hostsdk::HOST_VERSION; }
KORVATHEXP_EXPORT hostsdk::ULONG CanAutoDefer() { return 1; }
