#pragma once
// `rosterdesk-cli catalogue GAME_DIR [--patterns pattern.ini] [--skip int.ini]`: scans the game
// folder as start-up does and prints the catalogue.
#include <ostream>

#include "common/cli/arg_list.h"

namespace rosterdesk {

// `args` holds what follows the word "catalogue". Returns the exit status: 0 done, 2 a usage
// error, 1 any other failure (a missing game folder, a named file that cannot be read).
int runCatalogueCommand(korvath::ArgList& args, std::ostream& out, std::ostream& err);

}  // namespace rosterdesk
