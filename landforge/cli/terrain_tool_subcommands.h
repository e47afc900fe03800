#pragma once
// landforge-cli's erosion, 16-bit heightmap export and raise/lower commands.
#include <optional>
#include <string>
#include <string_view>

#include "common/cli/arg_list.h"
#include "landforge/cli/subcommand_support.h"

namespace landforge {

bool isTerrainToolCommand(std::string_view name);
// Runs one of the commands above with its arguments; nullopt when it succeeded.
CliOutcome runTerrainTool(std::string_view name, korvath::ArgList& args);

}  // namespace landforge
