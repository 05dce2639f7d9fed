// KeyValues texts as anyone may have written them, read as such and as Steam's library list and
// app manifest.
#include "core/game/key_values.h"
#include "core/game/steam_library.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto file = core::parse_key_values(text)) {
        for (const char* key : {"libraryfolders", "AppState", "x"}) {
            if (const auto* entry = file->find(key))
                (void)entry->text_of("path");
        }
    }
    (void)core::listed_library_folders(text);
    if (const auto manifest = core::read_app_manifest(text)) {
        const core::InstalledCopy copies[] = {{core::Path("a"), *manifest}, {core::Path("b"), {}}};
        (void)core::choose_installed_copy(copies);
    }
    return 0;
}
