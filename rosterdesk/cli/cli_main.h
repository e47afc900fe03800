#pragma once
// rosterdesk-cli's dispatcher, callable from tests: argument list without the program name.
#include <ostream>
#include <string>
#include <vector>

namespace rosterdesk {

int runRosterdeskCli(std::vector<std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace rosterdesk
