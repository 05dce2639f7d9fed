#pragma once

#include "platform/file_reader.h"
#include "platform/path.h"
#include "platform/result.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Where an archive's bytes come from: read in pieces, from any position, so that a large archive
// is never held whole in memory and its directory at the end is reached directly.
namespace archive {

using platform::Path;
using platform::Result;

class Input {
public:
    virtual ~Input() = default;

    // How the texts for the user name the archive.
    virtual const std::string& name() const = 0;
    virtual std::uint64_t size() const = 0;

    // Reads up to size bytes from the position, which moves past them; fewer only at the end.
    virtual Result<std::size_t> read(char* buffer, std::size_t size) = 0;
    virtual Result<> seek(std::uint64_t position) = 0;
};

// An archive file on disk, named by its native path.
class FileInput final : public Input {
public:
    // A file that cannot be opened gives a text for the user that says why.
    static Result<FileInput> open(const Path& archive);

    const std::string& name() const override { return name_; }
    std::uint64_t size() const override { return file_.size(); }
    Result<std::size_t> read(char* buffer, std::size_t size) override {
        return file_.read(buffer, size);
    }
    Result<> seek(std::uint64_t position) override { return file_.seek(position); }

private:
    FileInput(std::string name, platform::FileReader file)
        : name_(std::move(name)), file_(std::move(file)) {}

    std::string name_;
    platform::FileReader file_;
};

// The bytes of an archive that are in memory already; they must outlive the input.
class MemoryInput final : public Input {
public:
    MemoryInput(std::string name, std::string_view bytes) : name_(std::move(name)), bytes_(bytes) {}

    const std::string& name() const override { return name_; }
    std::uint64_t size() const override { return bytes_.size(); }
    Result<std::size_t> read(char* buffer, std::size_t size) override;
    Result<> seek(std::uint64_t position) override;

private:
    std::string name_;
    std::string_view bytes_;
    std::size_t position_ = 0;
};

} // namespace archive
