#pragma once
// The command-line face: --list and --extract, for scripts and machines without a display.
#include <ostream>

#include "common/cli/arg_list.h"

namespace hoardsort {

inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitUsage = 2;

// True when the arguments ask for a command-line mode (--list, --extract), which needs no window.
bool wantsCommandLine(const korvath::ArgList& args);

// The usage text of --help.
const char* usageText();

// Runs --list or --extract. `args` has had the options common to all modes (--home) taken out.
int runCommandLine(korvath::ArgList& args, std::ostream& out, std::ostream& err);

}  // namespace hoardsort
