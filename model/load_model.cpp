#include "model/studio_model.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace model {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t largest_file = 64 << 20;

// Reads a regular file of at most 64 MiB whole.
platform::Result<std::vector<std::uint8_t>> read_whole(const fs::path& path,
                                                       const std::string& name) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status))
        return platform::fail(name + " is missing");
    if (fs::is_directory(status))
        return platform::fail(name + " is a folder, not a model file");
    if (!fs::is_regular_file(status))
        return platform::fail(name + " is not a regular file");
    const std::uintmax_t size = fs::file_size(path, error);
    if (error)
        return platform::fail(name + " cannot be read");
    if (size > largest_file)
        return platform::fail(name + " is larger than 64 MiB, more than any model file");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (!in || in.gcount() != static_cast<std::streamsize>(size))
        return platform::fail(name + " cannot be read");
    return bytes;
}

template <typename Char>
bool same_but_case(const std::basic_string<Char>& a, const std::basic_string<Char>& b) {
    const auto lower = [](Char c) { return c >= 'A' && c <= 'Z' ? static_cast<Char>(c + 32) : c; };
    return std::ranges::equal(a, b, [&](Char x, Char y) { return lower(x) == lower(y); });
}

// The companion named exactly, else the first in name order whose name differs only in case.
std::optional<std::vector<std::uint8_t>> read_companion(const fs::path& folder,
                                                        const std::string& name) {
    std::error_code error;
    fs::path found = folder / name;
    if (!fs::is_regular_file(found, error)) {
        const fs::path::string_type wanted = fs::path(name).native();
        found.clear();
        for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            const fs::path::string_type candidate = entry->path().filename().native();
            if (same_but_case(candidate, wanted) && entry->is_regular_file(error) &&
                (found.empty() || candidate < found.filename().native()))
                found = entry->path();
        }
        if (found.empty())
            return std::nullopt;
    }
    auto bytes = read_whole(found, name);
    if (!bytes)
        return std::nullopt;
    return std::move(bytes).value();
}

} // namespace

platform::Result<StudioModel> load_model(const std::string& path) {
    const fs::path main(path);
    auto bytes = read_whole(main, path);
    if (!bytes)
        return std::move(bytes).failure();
    const fs::path folder = main.has_parent_path() ? main.parent_path() : fs::path(".");
    return read_model(
        *bytes, [&](const std::string& name) { return read_companion(folder, name); }, path);
}

} // namespace model
