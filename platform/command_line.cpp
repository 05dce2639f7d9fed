#include "platform/command_line.h"

#include <optional>

namespace platform {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool has_extension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    return dot != std::string::npos && path.find_first_of("\\/", dot) == std::string::npos;
}

std::optional<std::string>
existing_program(const std::string& candidate,
                 const std::function<bool(const std::string&)>& is_file) {
    if (is_file(candidate))
        return candidate;
    if (!has_extension(candidate) && is_file(candidate + ".exe"))
        return candidate + ".exe";
    return std::nullopt;
}

std::vector<std::string> split_arguments(const std::string& text, std::size_t at) {
    std::vector<std::string> arguments;
    for (;;) {
        while (at < text.size() && is_blank(text[at]))
            ++at;
        if (at >= text.size())
            return arguments;
        std::string argument;
        bool quoted = false;
        while (at < text.size() && (quoted || !is_blank(text[at]))) {
            const char c = text[at];
            if (c == '\\') {
                std::size_t backslashes = 0;
                while (at < text.size() && text[at] == '\\') {
                    ++backslashes;
                    ++at;
                }
                if (at < text.size() && text[at] == '"') {
                    argument.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        argument += '"';
                        ++at;
                    }
                } else {
                    argument.append(backslashes, '\\');
                }
            } else if (c == '"') {
                if (quoted && at + 1 < text.size() && text[at + 1] == '"') {
                    argument += '"';
                    ++at;
                } else {
                    quoted = !quoted;
                }
                ++at;
            } else {
                argument += c;
                ++at;
            }
        }
        arguments.push_back(std::move(argument));
    }
}

} // namespace

CommandLine split_command_line(const std::string& line,
                               const std::function<bool(const std::string&)>& is_file) {
    std::size_t start = 0;
    while (start < line.size() && is_blank(line[start]))
        ++start;

    CommandLine command;
    if (start < line.size() && line[start] == '"') {
        const auto close = line.find('"', start + 1);
        const auto end = close == std::string::npos ? line.size() : close;
        command.program = line.substr(start + 1, end - start - 1);
        command.arguments = split_arguments(line, end == line.size() ? end : end + 1);
        return command;
    }

    // An unquoted program: each blank ends a candidate, up to the first quote.
    const auto quote = line.find('"', start);
    const auto limit = quote == std::string::npos ? line.size() : quote;
    auto end = start;
    std::optional<std::size_t> first_end;
    while (end < limit) {
        while (end < limit && !is_blank(line[end]))
            ++end;
        if (!first_end)
            first_end = end;
        if (auto program = existing_program(line.substr(start, end - start), is_file)) {
            command.program = std::move(*program);
            command.arguments = split_arguments(line, end);
            return command;
        }
        while (end < limit && is_blank(line[end]))
            ++end;
    }
    const auto program_end = first_end.value_or(start);
    command.program = line.substr(start, program_end - start);
    command.arguments = split_arguments(line, program_end);
    return command;
}

} // namespace platform
