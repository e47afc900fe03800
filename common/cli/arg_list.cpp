#include "common/cli/arg_list.h"

namespace korvath {

ArgList::ArgList(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) args_.emplace_back(argv[i]);
}

bool ArgList::flag(std::string_view name) {
    for (auto it = args_.begin(); it != args_.end(); ++it) {
        if (*it == name) {
            args_.erase(it);
            return true;
        }
    }
    return false;
}

std::optional<std::string> ArgList::option(std::string_view name) {
    for (auto it = args_.begin(); it != args_.end(); ++it) {
        if (*it == name) {
            if (it + 1 == args_.end()) {
                if (error_.empty()) error_ = "missing value for " + std::string(name);
                args_.erase(it);
                return std::nullopt;
            }
            std::string value = *(it + 1);
            args_.erase(it, it + 2);
            return value;
        }
        if (it->size() > name.size() && it->compare(0, name.size(), name) == 0 && (*it)[name.size()] == '=') {
            std::string value = it->substr(name.size() + 1);
            args_.erase(it);
            return value;
        }
    }
    return std::nullopt;
}

std::vector<std::string> ArgList::positionals() {
    std::vector<std::string> rest;
    bool onlyPositionals = false;
    for (const auto& arg : args_) {
        if (!onlyPositionals && arg == "--") {
            onlyPositionals = true;
        } else if (!onlyPositionals && arg.size() > 1 && arg[0] == '-') {
            if (error_.empty()) error_ = "unknown option " + arg;
        } else {
            rest.push_back(arg);
        }
    }
    args_.clear();
    return rest;
}

}  // namespace korvath
