#pragma once
#include <optional>
#include <string>

namespace hoardsort {

// Runs the window program: the settings folder (`home`, else beside the program), the load
// step and the event loop. With `screenshot` set it asks nothing, records nothing, saves the
// main window as a PNG there and returns.
int runWindow(int& argc, char** argv, const std::optional<std::string>& home,
              const std::optional<std::string>& screenshot);

}  // namespace hoardsort
