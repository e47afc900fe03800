#pragma once
#include <string>
#include <utility>

namespace korvath {

// Outcome of an operation that can fail: ok, or the message to show the user.
struct Status {
    bool ok = true;
    std::string message;

    static Status success() { return {}; }
    static Status failure(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace korvath
