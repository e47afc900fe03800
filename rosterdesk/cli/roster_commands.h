#pragma once
// The roster subcommands of rosterdesk-cli. Each takes the arguments after its own name and
// returns the exit status: 0 success, 1 failure, 2 usage error.
#include <ostream>

#include "common/cli/arg_list.h"

namespace rosterdesk {

int runNewCommand(korvath::ArgList& args, std::ostream& out, std::ostream& err);
int runApplyCommand(korvath::ArgList& args, std::ostream& out, std::ostream& err);
int runRestoreCommand(korvath::ArgList& args, std::ostream& out, std::ostream& err);
int runCaptureCommand(korvath::ArgList& args, std::ostream& out, std::ostream& err);
int runShowCommand(korvath::ArgList& args, std::ostream& out, std::ostream& err);

}  // namespace rosterdesk
