#pragma once
// What the library keeps for as long as it is loaded: its instance handle, whether the
// controls were initialised, the two values each export start records, and the one buffer
// that string lookups share.
#include "exporter/host/plugin.h"

namespace korvathexp {

struct ModuleState {
    hostsdk::HINSTANCE instance = nullptr;
    bool controlsInitialised = false;
    bool showPrompts = true;
    bool exportSelected = false;
    char stringBuffer[256] = {};
};

ModuleState& Module();

// The library's entry point: stores the instance handle at every call and initialises the
// controls at the first.
void LibraryEntry(hostsdk::HINSTANCE instance);

// The string with `id` from the library's string table, copied into the shared buffer (valid
// until the next lookup); null when the instance is not known yet or the id has no string.
const char* GetString(int id);

}  // namespace korvathexp
