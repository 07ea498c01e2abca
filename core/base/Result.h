// Result: the one way untrusted input and failed file operations report back.
//
// A Result holds either a value or an Error whose message names the format and the problem
// ("Invalid PNG image: truncated stream"). Programmer errors are asserts, not Results.
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace kirvo {

struct Error {
    std::string message;
};

template <typename T = void>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    T& value() { assert(ok()); return std::get<T>(state_); }
    const T& value() const { assert(ok()); return std::get<T>(state_); }
    const std::string& error() const { assert(!ok()); return std::get<Error>(state_).message; }

private:
    std::variant<T, Error> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error.message)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { assert(failed_); return error_; }

private:
    std::string error_;
    bool failed_ = false;
};

inline Error Fail(std::string message) { return Error{std::move(message)}; }

}  // namespace kirvo
