#include "archive/entry_names.h"

#include "archive/libarchive.h"
#include "platform/code_pages.h"
#include "platform/utf8.h"

namespace archive {

unsigned legacy_code_page() {
    return platform::oem_code_page();
}

// libarchive hands such paths over as the archive holds them: entry_path reads them.
void read_legacy_paths(archive_handle*) {}

EntryPath entry_path(archive_entry* entry) {
    const char* text = archive_entry_pathname_utf8(entry);
    if (!text)
        text = archive_entry_pathname(entry); // the bytes as the archive holds them
    if (!text)
        return {};
    // Paths that are UTF-8 already, as archives made on Linux hold them, stay as they are.
    if (platform::is_utf8(text))
        return {text, true};
    if (auto decoded = platform::from_code_page(text, legacy_code_page()))
        return {std::move(*decoded), true};
    return {text, false};
}

} // namespace archive
