#pragma once

#include "platform/message.h"
#include "platform/reasons.h"

#include <optional>
#include <string>
#include <system_error>
#include <type_traits>
#include <utility>
#include <vector>

// The one shape in which the platform and the core answer: the value an operation produced, when
// it got to its end, and the messages it has for the user, in the order they are to be shown. A
// failure that the system reported carries the system's reason too, for the caller to word. The
// core never shows a text itself; the windows show what comes back.
namespace platform {

// The value of an operation that hands back nothing but its success.
struct Done {};

// A failure on its way up: the texts that tell the user why, and the system's own reason where
// the system refused, with the words for it where the platform has more to say than the system
// (who holds a file). It converts to a failed result of whatever type the caller returns.
struct Failure {
    Messages messages;
    std::error_code error;
    std::optional<Message> reason = {};
};

inline Failure fail(Message message) {
    return Failure{{std::move(message)}, {}};
}

inline Failure fail(std::error_code error) {
    return Failure{{}, error};
}

template <typename T = Done> class [[nodiscard]] Result {
public:
    Result() requires std::is_same_v<T, Done> : value_(Done{}) {}
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure)
        : messages_(std::move(failure.messages)), error_(failure.error),
          reason_(std::move(failure.reason)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    // Only for a result that is ok. A result about to go hands its value over, so that nothing
    // refers into it once it is gone.
    T& value() & { return *value_; }
    const T& value() const& { return *value_; }
    T value() && { return std::move(*value_); }
    T& operator*() & { return *value_; }
    const T& operator*() const& { return *value_; }
    T operator*() && { return std::move(*value_); }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }

    const Messages& messages() const { return messages_; }

    // The system's reason for a failure that came from it; empty otherwise.
    const std::error_code& error() const { return error_; }
    // That reason, to fill a message: in words as the system gives them in the user's language
    // ("Permission denied"), or as the platform says it where it has more to say (who holds a
    // file).
    Argument why() const { return reason_ ? argument(*reason_) : Argument(reason(error_)); }

    // Adds a text for the user after those the result holds; the outcome stays as it is.
    Result& tell(Message message) & {
        messages_.push_back(std::move(message));
        return *this;
    }
    Result&& tell(Message message) && { return std::move(tell(std::move(message))); }

    // Puts the texts of an earlier step before the result's own.
    template <typename U> Result& after(const Result<U>& earlier) & {
        messages_.insert(messages_.begin(), earlier.messages().begin(), earlier.messages().end());
        return *this;
    }

    // The failure of a result that is not ok, to hand up as a result of another type.
    Failure failure() const& { return Failure{messages_, error_, reason_}; }
    Failure failure() && { return Failure{std::move(messages_), error_, std::move(reason_)}; }

private:
    std::optional<T> value_;
    Messages messages_;
    std::error_code error_;
    std::optional<Message> reason_;
};

} // namespace platform
