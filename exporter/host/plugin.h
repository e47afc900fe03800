#pragma once
// What a plug-in library offers the host: its class descriptor, the scene exporter it
// creates, and the five functions the host looks up by name after loading it.
#include <cstdio>

#include "exporter/host/interface.h"

namespace hostsdk {

class ClassDesc {
public:
    virtual ~ClassDesc() = default;
    virtual int IsPublic() = 0;
    // A new instance the caller owns (delete through its virtual destructor); null when
    // memory runs out.
    virtual void* Create(BOOL loading = FALSE) = 0;
    virtual int BeginCreate(Interface*) { return 0; }
    virtual int EndCreate(Interface*) { return 0; }
    virtual const char* ClassName() = 0;
    virtual SClass_ID SuperClassID() = 0;
    virtual Class_ID ClassID() = 0;
    virtual const char* Category() = 0;
    virtual BOOL OkToCreate(Interface*) { return TRUE; }
    virtual BOOL HasClassParams() { return FALSE; }
};

class SceneExport {
public:
    virtual ~SceneExport() = default;
    virtual int ExtCount() = 0;
    virtual const char* Ext(int n) = 0;
    virtual const char* LongDesc() = 0;
    virtual const char* ShortDesc() = 0;
    virtual const char* AuthorName() = 0;
    virtual const char* CopyrightMessage() = 0;
    virtual const char* OtherMessage1() = 0;
    virtual const char* OtherMessage2() = 0;
    virtual unsigned int Version() = 0;
    virtual void ShowAbout(HWND parent) = 0;
    // 1 when the export ran to its end (or the user cancelled its options), 0 on failure.
    virtual int DoExport(const char* name, ExpInterface* ei, Interface* i, BOOL suppressPrompts = FALSE,
                         DWORD options = 0) = 0;
    virtual BOOL SupportsOptions(int ext, DWORD options) = 0;
};

// The host's assertion routine: reports a failed check and carries on.
inline void assert1(int line, const char* file) {
    std::fprintf(stderr, "Assertion failed in %s, line %d\n", file, line);
}

// The exported entry functions, looked up by these names with C linkage.
using LibDescriptionFn = const char* (*)();
using LibNumberClassesFn = int (*)();
using LibClassDescFn = ClassDesc* (*)(int i);
using LibVersionFn = ULONG (*)();
using CanAutoDeferFn = ULONG (*)();

}  // namespace hostsdk
