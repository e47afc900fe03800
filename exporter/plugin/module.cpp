#include "exporter/plugin/module.h"

#include <cstring>

namespace korvathexp {

namespace {

struct StringEntry {
    int id;
    const char* text;
};

// The library's string table.
constexpr StringEntry kStrings[] = {
    {1, "KorvathExp"},
    {2, "Standard"},
    {4, "Korvath Mesh Exporter"},
    {5, "Korvath Exporter"},
    {6, "Copyright (c) the Korvath Arena toolkit developers"},
    {7, "Exporting .3d mesh..."},
    {9, "Korvath file exporter (by the Korvath Arena toolkit developers)"},
};

}  // namespace

ModuleState& Module() {
    static ModuleState state;
    return state;
}

void LibraryEntry(hostsdk::HINSTANCE instance) {
    ModuleState& module = Module();
    module.instance = instance;
    // The host's custom and common controls need no set-up here: the plug-in's dialogs are
    // drawn by the host's window system.
    if (!module.controlsInitialised) module.controlsInitialised = true;
}

const char* GetString(int id) {
    ModuleState& module = Module();
    if (!module.instance) return nullptr;
    for (const auto& entry : kStrings) {
        if (entry.id == id) {
            std::strncpy(module.stringBuffer, entry.text, sizeof module.stringBuffer - 1);
            module.stringBuffer[sizeof module.stringBuffer - 1] = '\0';
            return module.stringBuffer;
        }
    }
    return nullptr;
}

}  // namespace korvathexp
