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

// The values stand in a namespace of their own, without a said(), so that a call of said() with a
// message among its arguments finds the said() of the layer that makes the call, and no other.
namespace message_values {

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
    Message() = default;
    // Made by message() and counted_message(), never from a bare text.
    Message(const char* context, const char* text, std::vector<Argument> arguments)
        : context(context), text(text), arguments(std::move(arguments)) {}

    // Where its words are translated: the layer that says it ("core", "model", ...).
    const char* context = "";
    // Its English words, by which it is known and translated, with %1, %2, ... where its
    // arguments go. Always a literal of the program's, marked for the translators by said().
    const char* text = "";
    std::vector<Argument> arguments;
    // For words that take the plural forms of a count: the count, which stands for %n.
    std::optional<std::int64_t> count = {};
};

} // namespace message_values

using message_values::Argument;
using message_values::Decimal;
using message_values::Message;

using Messages = std::vector<Message>;

template <typename T> Argument argument(T&& value) {
    using Value = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<Value, Argument>)
        return std::forward<T>(value);
    else if constexpr (std::is_same_v<Value, Message>)
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

// The same, with words that follow the count in its plural forms.
template <typename... Arguments>
Message counted_message(const char* context, const char* text, std::int64_t count,
                        Arguments&&... arguments) {
    Message counted = message(context, text, std::forward<Arguments>(arguments)...);
    counted.count = count;
    return counted;
}

template <typename... Arguments> Message said(const char* text, Arguments&&... arguments) {
    return message("platform", text, std::forward<Arguments>(arguments)...);
}

// Marks words for the translators where they stand in a table, to be said later.
constexpr const char* to_say(const char* text) {
    return text;
}

// The words with %1, %2, ... each replaced by its value, in one pass, so that a value that holds
// a % of its own is left as it is.
std::string filled_in(std::string_view words, const std::vector<std::string>& values);

// The message in the English it is known by, its count written for %n: in tests, and wherever no
// window words it. Its plural forms are the translations' own.
std::string english(const Message& message);
std::string english(const Argument& argument);

} // namespace platform
