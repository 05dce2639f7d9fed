// Names in any script, as players' archives hold them: marked as UTF-8 or as Unicode by their
// format, or written in the OEM code page of a Windows system in the maker's language.
#include "archive/archive_file.h"
#include "archive/entry_names.h"
#include "archive_writer.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

const std::string russian = "\xD0\x97\xD0\xBE\xD0\xBB\xD0\xBE\xD1\x82\xD0\xBE"; // Золото
const std::string chinese = "\xE9\xBB\x84\xE9\x87\x91";                         // 黄金
const std::string emoji = "\xF0\x9F\x94\xAB";                                   // a pistol

// An archive with a file at each path, each in a folder of its own, is listed with the names as
// written, and its files come out byte for byte.
void expect_read_whole(const std::string& format, const std::string& options, const Names& paths,
                       const std::string& holds) {
    TestWorld world;
    std::vector<ArchiveItem> files;
    for (const auto& path : paths)
        files.push_back({ArchiveItem::Kind::file, path, "content of " + path});
    const auto bytes = archive_of(format, files, options);
    ASSERT_NE(bytes.find(holds), std::string::npos) << "the names are not written as meant";
    TestWorld::write(world.root / "pack", bytes);
    const auto listing = archive::list(system_path(world.root / "pack"));
    ASSERT_TRUE(listing) << listing.messages().at(0);
    ASSERT_EQ(listing.messages(), platform::Messages());
    Names folders;
    std::vector<archive::Entry> chosen;
    for (const auto& path : paths) {
        const auto slash = path.find('/');
        folders.push_back(path.substr(0, slash));
        const auto* file = listing->find(path.substr(0, slash), path.substr(slash + 1));
        ASSERT_TRUE(file) << path;
        chosen.push_back(*file);
    }
    std::sort(folders.begin(), folders.end());
    auto listed = listing->subfolders("");
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, folders);
    const auto made =
        archive::extract(system_path(world.root / "pack"), chosen, system_path(world.game));
    ASSERT_TRUE(made) << made.messages().at(0);
    for (const auto& path : paths)
        EXPECT_EQ(TestWorld::read(world.game / fs::u8path(path.substr(path.find('/') + 1))),
                  "content of " + path);
}

} // namespace

TEST(ArchiveNames, NamesMarkedAsUnicodeAreReadInAnyScript) {
    const Names paths{russian + " ak47/" + russian + ".mdl", chinese + "/" + chinese + ".mdl",
                      emoji + " pack/" + emoji + ".mdl"};
    for (const std::string format : {"zip", "7zip", "rar5"}) {
        SCOPED_TRACE(format);
        expect_read_whole(format, "", paths, format == "7zip" ? "" : russian);
    }
}

// On Windows a process's OEM code page is fixed as it starts; under Wine it follows LC_ALL, which
// CTest sets for runs of this test of their own. Elsewhere the rows of other code pages are
// passed over.
TEST(ArchiveNames, NamesWithoutTheUtf8FlagAreReadInTheCodePageOfTheUsersLanguage) {
    const struct {
        const char* locale;
        unsigned code_page;
        Names paths;
        std::string written; // the first name in the code page
    } cases[] = {
        {"ru_RU.UTF-8",
         866,
         {russian + " ak47/" + russian + ".mdl", "ak47/" + russian + "T.mdl"},
         "\x87\xAE\xAB\xAE\xE2\xAE"},
        {"zh_CN.UTF-8",
         936,
         {chinese + "/" + chinese + ".mdl", "ak47/" + chinese + "T.mdl"},
         "\xBB\xC6\xBD\xF0"},
    };
    const char* const before = std::getenv("LC_ALL");
    const std::string restored = before ? before : "";
    int read = 0;
    for (const auto& [locale, code_page, paths, written] : cases) {
        SCOPED_TRACE(locale);
        set_environment("LC_ALL", locale);
        if (archive::legacy_code_page() != code_page)
            continue;
        ++read;
        expect_read_whole("zip", "zip:hdrcharset=CP" + std::to_string(code_page), paths, written);
    }
    set_environment("LC_ALL", restored);
    if (read == 0)
        GTEST_SKIP() << "the OEM code page of this process is " << archive::legacy_code_page();
}
