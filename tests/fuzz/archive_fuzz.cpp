// Archives as anyone may have made them, listed and their files read to the end, from memory
// through the reader that reads archive files on disk.
#include "archive/reader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    archive::MemoryInput input("pack.zip",
                               std::string_view(reinterpret_cast<const char*>(data), size));
    const auto listing = archive::list(input);
    if (!listing)
        return 0;
    // Every file listed is found again in its folder, whatever the case of its names.
    for (const auto& file : listing->files()) {
        if (listing->find(file.folder(), file.name()) != &file ||
            !listing->has_folder(file.folder()))
            __builtin_trap();
    }
    (void)archive::read_files(input, listing->files(), [](auto&, const platform::Pieces& content) {
        for (auto piece = content(); piece && !piece->empty(); piece = content()) {
        }
        return platform::Result<>();
    });
    return 0;
}
