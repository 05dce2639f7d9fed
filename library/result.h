#pragma once

#include <string>
#include <utility>

namespace library {

// The outcome of an operation on the user's files: success, or what went wrong, worded for the
// user.
class [[nodiscard]] Result {
public:
    static Result success() { return Result(); }
    static Result failure(std::string message) { return Result(std::move(message)); }

    bool ok() const { return ok_; }
    const std::string& message() const { return message_; }

private:
    Result() = default;
    explicit Result(std::string message) : ok_(false), message_(std::move(message)) {}

    bool ok_ = true;
    std::string message_;
};

} // namespace library

namespace library {

// Tells the user what went wrong when the result is a failure; true when it succeeded.
bool ok_or_report(const Result& result);

} // namespace library
