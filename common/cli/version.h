#pragma once
// --version for every program: answered before anything else starts (no window system).
#include <ostream>
#include <string_view>

namespace korvath {

// True when "--version" is among the arguments (before a "--" that ends the options).
bool versionRequested(int argc, const char* const* argv);

// The one line every program prints for --version: "NAME X.Y.Z".
void printVersion(std::string_view programName, std::ostream& out);

// For main(): prints the version and returns true when it was asked for.
bool answerVersion(int argc, const char* const* argv, std::string_view programName, std::ostream& out);

}  // namespace korvath
