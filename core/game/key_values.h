#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading the KeyValues text format in which Steam keeps its library list and its app manifests:
// "key" "value" pairs and "key" { ... } objects, nested.
namespace core {

// One entry of a KeyValues text: a key with either a text or an object of further entries.
struct KeyValuesNode {
    std::string key;
    std::string text;                    // the value of an entry that is no object
    std::vector<KeyValuesNode> children; // the entries of an object, in the order written
    bool is_object = false;

    // The first entry of the object under the key, compared without regard to case.
    const KeyValuesNode* find(std::string_view name) const;

    // The text of that first entry; nothing when it is missing or an object.
    std::optional<std::string_view> text_of(std::string_view name) const;
};

// The limits beyond which a text is refused whole. Steam's own files stay far below them.
inline constexpr std::size_t key_values_max_size = 16 * 1024 * 1024;
inline constexpr std::size_t key_values_max_depth = 32;
inline constexpr std::size_t key_values_max_token = 64 * 1024;
inline constexpr std::size_t key_values_max_entries = 256 * 1024;

// The entries of a KeyValues text, as the children of one object. Tokens are quoted (with the
// escapes \" \\ \n \t) or end at white space, a brace or a quote; "//" starts a comment that runs
// to the end of the line. Nothing when the text is malformed (an unterminated string or object, a
// stray brace, a key without a value, a NUL byte) or exceeds a limit.
std::optional<KeyValuesNode> parse_key_values(std::string_view text);

} // namespace core
