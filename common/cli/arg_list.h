#pragma once
// A small command-line reader shared by the tools' command-line faces: options are taken out
// by name, what remains are the positional arguments, and anything unexpected is an error.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvath {

class ArgList {
public:
    ArgList(int argc, char** argv);  // argv[0] is skipped
    explicit ArgList(std::vector<std::string> args) : args_(std::move(args)) {}

    // Takes "--name" out; true when it was there.
    bool flag(std::string_view name);
    // Takes "--name VALUE" or "--name=VALUE" out. A name without a value is an error.
    std::optional<std::string> option(std::string_view name);
    // What is left once the options were taken; a leftover "--x" is an error.
    std::vector<std::string> positionals();

    // The first error met ("missing value for --to", "unknown option --x"), empty if none.
    const std::string& error() const { return error_; }
    bool ok() const { return error_.empty(); }
    bool empty() const { return args_.empty(); }

private:
    std::vector<std::string> args_;
    std::string error_;
};

}  // namespace korvath
