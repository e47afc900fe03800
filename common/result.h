#pragma once
// The one value-or-error type: an operation that can fail returns its value, or the error to
// show the user (by default the message, word for word). `Status` is the value-less kind.
#include <optional>
#include <string>
#include <utility>

namespace korvath {

template <typename T, typename E = std::string>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}  // implicit: `return value;` succeeds
    static Result failure(E error) {
        Result result;
        result.error_ = std::move(error);
        return result;
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    // Only on success.
    T& value() & { return *value_; }
    const T& value() const& { return *value_; }
    T&& value() && { return std::move(*value_); }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    T& operator*() & { return *value_; }
    const T& operator*() const& { return *value_; }

    // Only on failure.
    const E& error() const { return error_; }

private:
    Result() = default;
    std::optional<T> value_;
    E error_{};
};

template <typename E>
class Result<void, E> {
public:
    Result() = default;
    static Result success() { return {}; }
    static Result failure(E error) {
        Result result;
        result.ok_ = false;
        result.error_ = std::move(error);
        return result;
    }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const E& error() const { return error_; }

private:
    bool ok_ = true;
    E error_{};
};

using Status = Result<void>;

}  // namespace korvath
