#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

// A text that Tessary has for the user, as a value: which message it is and what fills it. The
// windows word it in the user's language; every layer below them only says which message it is.
namespace platform {

struct Message;

// A number to show with that many decimals.
struct Decimal {
    double value = 0;
    int decimals = 1;
};

// What fills one of a message's places: a text that stands as it is (a path, a name, a reason
// the system gave in the user's language), a whole number, a decimal one, or another message.
using Argument = std::variant<std::string, std::int64_t, Decimal, std::shared_ptr<const Message>>;

struct Message {
    // Where its words are translated: the layer that says it ("core", "model", ...).
    const char* context = "";
    // Its English words, by which it is known and translated, with %1, %2, ... where its
    // arguments go. Always a literal of the program's, marked for the translators by said().
    const char* text = "";
    std::vector<Argument> arguments;
};

using Messages = std::vector<Message>;

template <typename T> Argument argument(T&& value) {
    using Value = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<Value, Message>)
        return std::make_shared<const Message>(std::forward<T>(value));
    else if constexpr (std::is_same_v<Value, bool>)
        static_assert(!std::is_same_v<Value, bool>, "a message takes no truth value");
    else if constexpr (std::is_integral_v<Value>)
        return static_cast<std::int64_t>(value);
    else if constexpr (std::is_same_v<Value, Decimal>)
        return value;
    else
        return std::string(std::string_view(value));
}

// The message of that layer, those words and those arguments. Each layer calls it through a
// said() of its own, which the translators' tool knows to look for.
template <typename... Arguments>
Message message(const char* context, const char* text, Arguments&&... arguments) {
    return Message{context, text, {argument(std::forward<Arguments>(arguments))...}};
}

template <typename... Arguments> Message said(const char* text, Arguments&&... arguments) {
    return message("platform", text, std::forward<Arguments>(arguments)...);
}

// The words with %1, %2, ... each replaced by its value, in one pass, so that a value that holds
// a % of its own is left as it is.
std::string filled_in(std::string_view words, const std::vector<std::string>& values);

// The message in the English it is known by: in tests, and wherever no window words it.
std::string english(const Message& message);

} // namespace platform
