#include "archive/entry_names.h"

#include "archive/libarchive.h"
#include "platform/code_pages.h"
#include "platform/utf16_win.h"
#include "platform/utf8.h"

#include <windows.h>

namespace archive {

unsigned legacy_code_page() {
    return platform::oem_code_page();
}

// By default libarchive reads such paths in the C library's locale, which in Tessary is "C",
// where each byte stands for the character of its number: Latin-1, not what Windows wrote.
void read_legacy_paths(archive_handle* handle) {
    const auto charset = "CP" + std::to_string(legacy_code_page());
    // A code page libarchive cannot read leaves its own reading.
    (void)archive_read_set_format_option(handle, "zip", "hdrcharset", charset.c_str());
    (void)archive_read_set_format_option(handle, "rar", "hdrcharset", charset.c_str());
}

// libarchive holds in UTF-16 the paths it converted itself, as Windows' own functions take them,
// and in UTF-8 those the archive holds in UTF-8 (RAR 5's), which it converts to UTF-16 only
// through the C library's locale.
EntryPath entry_path(archive_entry* entry) {
    if (const wchar_t* text = archive_entry_pathname_w(entry))
        return {platform::narrowed(text), true};
    const char* text = archive_entry_pathname_utf8(entry);
    if (text && platform::is_utf8(text))
        return {text, true};
    if (const char* bytes = archive_entry_pathname(entry))
        text = bytes;
    return {text ? text : "", false};
}

} // namespace archive
