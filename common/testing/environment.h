#pragma once
// Environment variables for one test, the same call on Linux and on Windows.
#include <optional>
#include <string>

namespace korvath::testing {

// Sets `name` to `value`, or removes it when `value` is nullopt.
void setEnvironment(const char* name, const std::optional<std::string>& value);

}  // namespace korvath::testing
