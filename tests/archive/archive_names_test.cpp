// Names without the UTF-8 flag, as Windows' own compressed folders write them: in the OEM code page
// of a Windows system in the maker's language.
#include "archive/archive_file.h"
#include "archive/entry_names.h"
#include "archive_writer.h"
#include "test_world.h"

#include <gtest/gtest.h>

// On Windows a process's OEM code page is fixed as it starts; under Wine it follows LC_ALL, which
// CTest sets for runs of this test of their own. Elsewhere the rows of other code pages are
// passed over.
TEST(ArchiveNames, NamesWithoutTheUtf8FlagAreReadInTheCodePageOfTheUsersLanguage) {
    const struct {
        const char* locale;
        unsigned code_page;
        std::string folder, file, written; // the folder's name as the code page writes it
    } cases[] = {
        {"ru_RU.UTF-8", 866, "\xD0\x97\xD0\xBE\xD0\xBB\xD0\xBE\xD1\x82\xD0\xBE ak47", // Золото
         "\xD0\x9F\xD1\x83\xD0\xBB\xD1\x8F.mdl", "\x87\xAE\xAB\xAE\xE2\xAE"},         // Пуля
        {"zh_CN.UTF-8", 936, "\xE9\xBB\x84\xE9\x87\x91",
         "\xE6\xA8\xA1\xE5\x9E\x8B.mdl", // 黄金 模型
         "\xBB\xC6\xBD\xF0"},
    };
    const char* const before = std::getenv("LC_ALL");
    const std::string restored = before ? before : "";
    int read = 0;
    for (const auto& [locale, code_page, folder, file, written] : cases) {
        SCOPED_TRACE(locale);
        set_environment("LC_ALL", locale);
        if (archive::legacy_code_page() != code_page)
            continue;
        ++read;
        TestWorld world;
        const auto bytes = archive_of("zip", {{ArchiveItem::Kind::file, folder + "/" + file, file}},
                                      "zip:hdrcharset=CP" + std::to_string(code_page));
        ASSERT_NE(bytes.find(written), std::string::npos) << "the name is not in the code page";
        TestWorld::write(world.root / "pack.zip", bytes);
        const auto listing = archive::list(system_path(world.root / "pack.zip"));
        ASSERT_TRUE(listing && listing.messages().empty());
        EXPECT_EQ(listing->subfolders(""), std::vector<std::string>{folder});
        const auto* found = listing->find(folder, file);
        ASSERT_TRUE(found);
        const auto made = archive::extract(system_path(world.root / "pack.zip"), {*found},
                                           system_path(world.game));
        ASSERT_TRUE(made) << made.messages().at(0);
        EXPECT_EQ(TestWorld::read(world.game / std::filesystem::u8path(file)), file);
    }
    set_environment("LC_ALL", restored);
    if (read == 0)
        GTEST_SKIP() << "the OEM code page of this process is " << archive::legacy_code_page();
}
