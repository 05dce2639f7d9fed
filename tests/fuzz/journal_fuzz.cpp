// Journals as a damaged disk or anyone else may have left them, read back and each entry held
// against where Tessary's changes write, in both systems' spellings.
#include "core/changes/journal_record.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using core::Path;
    static const core::JournalScope scopes[] = {
        {Path("/opt/Tessary/models"),
         {Path("/opt/Tessary/pbackup.txt"), Path("/opt/Tessary/wbackup.txt")},
         Path("/games/hl/cstrike/models")},
        {Path("C:\\Program Files\\Tessary/models"),
         {},
         Path("C:\\Games\\Half-Life\\/cstrike/models")},
        {Path("models"), {}, std::nullopt}};
    const auto record =
        core::read_journal(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!record)
        return 0;
    for (const auto& entry : record->entries)
        for (const auto& scope : scopes)
            (void)core::may_name(scope, entry);
    return 0;
}
