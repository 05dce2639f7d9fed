#include "core/game/key_values.h"

#include "platform/names.h"

#include <algorithm>
#include <utility>

namespace core {

namespace {

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

enum class TokenKind { end, text, open, close, error };

struct Token {
    TokenKind kind = TokenKind::end;
    std::string text;
};

class Parser final {
public:
    explicit Parser(std::string_view text) : text_(text) {
        // A byte order mark is not part of the first token.
        if (text_.starts_with("\xEF\xBB\xBF"))
            at_ = 3;
    }

    // The entries up to the closing brace of an object, or up to the end of the text at the top.
    bool read_entries(KeyValuesNode& object, std::size_t depth) {
        object.is_object = true;
        for (;;) {
            Token key = next();
            if (key.kind == TokenKind::end)
                return depth == 0;
            if (key.kind == TokenKind::close)
                return depth > 0;
            if (key.kind != TokenKind::text || ++entries_ > key_values_max_entries)
                return false;

            KeyValuesNode entry;
            entry.key = std::move(key.text);
            Token value = next();
            if (value.kind == TokenKind::open) {
                if (depth + 1 > key_values_max_depth || !read_entries(entry, depth + 1))
                    return false;
            } else if (value.kind == TokenKind::text) {
                entry.text = std::move(value.text);
            } else {
                return false;
            }
            object.children.push_back(std::move(entry));
        }
    }

private:
    bool more() const { return at_ < text_.size(); }

    void skip_space_and_comments() {
        while (more()) {
            if (is_space(text_[at_])) {
                ++at_;
            } else if (text_.substr(at_, 2) == "//") {
                const auto line_end = text_.find('\n', at_);
                at_ = line_end == std::string_view::npos ? text_.size() : line_end + 1;
            } else {
                return;
            }
        }
    }

    Token next() {
        skip_space_and_comments();
        if (!more())
            return {};
        const char c = text_[at_];
        if (c == '{' || c == '}') {
            ++at_;
            return {c == '{' ? TokenKind::open : TokenKind::close, {}};
        }
        return c == '"' ? quoted() : unquoted();
    }

    Token quoted() {
        Token token{TokenKind::text, {}};
        const std::size_t start = ++at_;
        while (more() && at_ - start <= key_values_max_token) {
            char c = text_[at_++];
            if (c == '"')
                return token;
            if (c == '\\' && more()) {
                const char escaped = text_[at_];
                if (escaped == '"' || escaped == '\\' || escaped == 'n' || escaped == 't') {
                    ++at_;
                    c = escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
                }
            }
            token.text += c;
        }
        return {TokenKind::error, {}};
    }

    Token unquoted() {
        const std::size_t start = at_;
        while (more() && !is_space(text_[at_]) && text_[at_] != '{' && text_[at_] != '}' &&
               text_[at_] != '"') {
            if (at_ - start >= key_values_max_token)
                return {TokenKind::error, {}};
            ++at_;
        }
        return {TokenKind::text, std::string(text_.substr(start, at_ - start))};
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t entries_ = 0;
};

} // namespace

const KeyValuesNode* KeyValuesNode::find(std::string_view name) const {
    const auto found = std::find_if(children.begin(), children.end(), [&](const KeyValuesNode& c) {
        return platform::same_name(c.key, name);
    });
    return found == children.end() ? nullptr : &*found;
}

std::optional<std::string_view> KeyValuesNode::text_of(std::string_view name) const {
    const KeyValuesNode* entry = find(name);
    if (!entry || entry->is_object)
        return std::nullopt;
    return entry->text;
}

std::optional<KeyValuesNode> parse_key_values(std::string_view text) {
    // No text file holds a NUL; the binary files Steam also names .vdf are full of them.
    if (text.size() > key_values_max_size || text.find('\0') != std::string_view::npos)
        return std::nullopt;
    KeyValuesNode root;
    Parser parser(text);
    if (!parser.read_entries(root, 0))
        return std::nullopt;
    return root;
}

} // namespace core
