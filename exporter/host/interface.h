#pragma once
// The scene as the host shows it to an exporter: nodes and the host's interface.
#include "exporter/host/material.h"
#include "exporter/host/mesh.h"
#include "exporter/host/window_system.h"

namespace hostsdk {

class INode {
public:
    virtual ~INode() = default;
    virtual const char* GetName() = 0;  // may be null
    // The object at the end of the node's pipeline at time t, world-space modifiers applied.
    virtual ObjectState EvalWorldState(TimeValue t) = 0;
    // The object-to-world transform at time t.
    virtual Matrix3 GetObjTMAfterWSM(TimeValue t) = 0;
    virtual int NumberOfChildren() = 0;
    virtual INode* GetChildNode(int i) = 0;
    virtual Mtl* GetMtl() = 0;  // may be null
};

// Passed to DoExport; the exporter does not use it.
class ExpInterface {
public:
    virtual ~ExpInterface() = default;
};

using LPTHREAD_START_ROUTINE = DWORD (*)(void* arg);

class Interface {
public:
    virtual ~Interface() = default;
    virtual Interval GetAnimRange() = 0;
    virtual int GetTicksPerFrame() = 0;
    virtual HWND GetMAXHWnd() = 0;
    virtual INode* GetRootNode() = 0;
    // The host copies `title`. `fn` is the host's cancel callback.
    virtual BOOL ProgressStart(const char* title, BOOL displayBar, LPTHREAD_START_ROUTINE fn, void* arg) = 0;
    virtual void ProgressUpdate(int percent, BOOL showPercent = TRUE, const char* title = nullptr) = 0;
    virtual void ProgressEnd() = 0;
    virtual BOOL GetCancel() = 0;
};

}  // namespace hostsdk
