#include "archive/input.h"

#include "archive/said.h"
#include "platform/file_system.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace archive {

Result<FileInput> FileInput::open(const Path& archive) {
    auto name = platform::native_path(archive);
    auto file = platform::FileReader::open(archive);
    if (!file)
        return platform::fail(said("%1 could not be opened: %2.", name, file.why()));
    return FileInput(std::move(name), std::move(file).value());
}

Result<std::size_t> MemoryInput::read(char* buffer, std::size_t size) {
    const auto count = std::min(size, bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return count;
}

Result<> MemoryInput::seek(std::uint64_t position) {
    if (position > bytes_.size())
        return platform::fail(std::make_error_code(std::errc::invalid_seek));
    position_ = static_cast<std::size_t>(position);
    return {};
}

} // namespace archive
