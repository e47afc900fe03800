#pragma once
// landforge-cli: generate, export and import terrains without the window.
#include <ostream>
#include <string>
#include <vector>

namespace landforge {

// Runs one command line (without the program name). Exit status: 0 done, 1 failure (message on
// `err`, nothing written), 2 usage error.
int runLandforgeCli(std::vector<std::string> args, std::ostream& out, std::ostream& err);

}  // namespace landforge
