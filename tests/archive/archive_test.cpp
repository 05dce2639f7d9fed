// The archives players download, read and taken out of; and names without the UTF-8 flag, as
// Windows' own compressed folders write them: in the OEM code page of a Windows system in the
// maker's language.
#include "archive/archive_file.h"
#include "archive/entry_names.h"
#include "archive/shown_names.h"
#include "archive_writer.h"
#include "platform/file_system.h"
#include "said.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace fs = std::filesystem;
using Kind = ArchiveItem::Kind;
using Names = std::vector<std::string>;

namespace {

// Every byte value in turn.
std::string patterned(std::size_t size) {
    std::string bytes(size, '\0');
    std::iota(bytes.begin(), bytes.end(), '\0');
    return bytes;
}

// A zip of the files whose headers give the last file's size as 1 byte.
std::string understating_last(const std::vector<ArchiveItem>& files) {
    auto zip = archive_of("zip", files, "zip:compression-level=1");
    for (const auto& [header, size_at] : {std::pair{"PK\x03\x04", 22}, {"PK\x01\x02", 24}})
        zip.replace(zip.rfind(header) + size_at, 4, std::string("\x01\0\0\0", 4));
    return zip;
}

// The archive written into a file of the world, and listed.
platform::Result<archive::Listing> listed(const fs::path& file, const std::string& bytes) {
    TestWorld::write(file, bytes);
    return archive::list(system_path(file));
}

// What a listing left out: each entry's path as shown, and why.
using LeftOut = std::vector<std::pair<std::string, std::string>>;
LeftOut left_out(const archive::Listing& listing) {
    LeftOut entries;
    for (const auto& entry : listing.left_out())
        entries.emplace_back(entry.path, platform::english(entry.reason));
    return entries;
}

// The result's first message begins with the text, in which % stands for the archive file.
void expect_message(const platform::Messages& messages, std::string text, const fs::path& file) {
    if (const auto at = text.find('%'); at != std::string::npos)
        text.replace(at, 1, platform::native_path(system_path(file)));
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(platform::english(messages[0]).starts_with(text)) << messages[0];
}

} // namespace

TEST(Archive, FoldersInsideBrowseAndFilesAreFoundAndExtractedWithoutRegardToCase) {
    const auto model = patterned(200'000);
    const std::string russian = "\xD0\x97\xD0\xBE\xD0\xBB\xD0\xBE\xD1\x82\xD0\xBE"; // Золото
    const std::string chinese = "\xE9\xBB\x84\xE9\x87\x91";                         // 黄金
    const std::string emoji = "\xF0\x9F\x94\xAB";                                   // a pistol
    for (const std::string format : {"zip", "7zip", "rar5"}) {
        SCOPED_TRACE(format);
        TestWorld world;
        const auto listing =
            *listed(world.root / "pack",
                    archive_of(format, {{Kind::folder, "Pack/"},
                                        {Kind::file, "Pack/Models/v_ak47.mdl", model},
                                        {Kind::file, "Pack\\Models\\V_AK47T.mdl", "texture"},
                                        {Kind::file, russian + "/" + russian + ".mdl", "russian"},
                                        {Kind::file, chinese + "/" + emoji + ".mdl", "emoji"},
                                        {Kind::folder, "empty"}}));

        EXPECT_EQ(listing.subfolders(""), (Names{"empty", "Pack", russian, chinese}));
        EXPECT_EQ(listing.subfolders("PACK"), Names{"Models"});
        const auto models = listing.files_in("pack/models");
        EXPECT_EQ(models.at(1)->path, "Pack/Models/V_AK47T.mdl");
        EXPECT_EQ(listing.find("pack/MODELS", "v_ak47t.mdl"), models.at(1));
        EXPECT_FALSE(listing.find("Pack", "v_ak47.mdl"));

        const std::string capitals = "\xD0\x97\xD0\x9E\xD0\x9B\xD0\x9E\xD0\xA2\xD0\x9E";
        const auto* cyrillic = listing.find(capitals, capitals + ".MDL");
        const auto* pistol = listing.find(chinese, emoji + ".mdl");
        ASSERT_TRUE(cyrillic && pistol);
        const auto made =
            archive::extract(system_path(world.root / "pack"), {*models[0], *cyrillic, *pistol},
                             system_path(world.game));
        ASSERT_TRUE(made) << made.messages().at(0);
        EXPECT_EQ(TestWorld::files_in(world.game),
                  (std::map<std::string, std::string>{{"v_ak47.mdl", model},
                                                      {russian + ".mdl", "russian"},
                                                      {emoji + ".mdl", "emoji"}}));
    }
}

TEST(Archive, EntriesThatCouldEscapeOrAreNoOrdinaryFilesAreLeftOutWithTheirReasons) {
    TestWorld world;
    const std::string escapes = "its path leads outside the folder it would be extracted to";
    std::string deep, deepest, longest;
    for (std::size_t level = 1; level < archive::max_path_depth; ++level)
        deep += "d/";
    deepest = deep + "d/v.mdl";
    deep += "v.mdl";
    while (longest.size() <= archive::max_path_length)
        longest += "long/";
    // Long text is shown cut short.
    const auto cut = [](const std::string& text) {
        return text.size() <= archive::shown_length
                   ? text
                   : text.substr(0, archive::shown_length) + "\xE2\x80\xA6";
    };
    // Each entry, its path as shown, and why it is left out.
    const std::tuple<ArchiveItem, std::string, std::string> refused[] = {
        {{Kind::file, "../evil.mdl"}, "../evil.mdl", escapes},
        {{Kind::file, "sub\\..\\..\\evil.mdl"}, "sub/../../evil.mdl", escapes},
        {{Kind::file, "../\xE2\x80\xAEldm.exe"}, "../\\u202Eldm.exe", escapes},
        {{Kind::file, "/abs.mdl"}, "/abs.mdl", "its path is absolute"},
        {{Kind::file, "C:\\abs.mdl"}, "C:/abs.mdl", "its path is absolute"},
        {{Kind::link, "link.mdl", "../../../etc/passwd"}, "link.mdl", "it is a link"},
        {{Kind::file, deepest}, deepest, "its path is more than 64 levels deep"},
        {{Kind::file, longest}, cut(longest), "its path is longer than 1024 bytes"},
        {{Kind::file, "pack/" + std::string(256, 'n') + "/v.mdl"},
         cut("pack/" + std::string(256, 'n')),
         "its path holds the name \"" + cut(std::string(256, 'n')) +
             "\", which Windows does not allow: it is longer than 255 bytes"},
    };
    // The name in the path that Windows refuses, as shown, and why.
    std::vector<std::tuple<std::string, std::string, std::string>> refused_names = {
        {"ab:c.mdl", "ab:c.mdl", "it holds one of the characters \\ / : * ? \" < > |"},
        {"esc\x1B[2J", "esc\\x1B[2J", "it holds a control character"},
        {"dot.", "dot.", "it ends in a dot or a blank"},
        {"blank ", "blank ", "it ends in a dot or a blank"},
    };
    for (const std::string device : {"Con", "nul.mdl", "aux .tar.gz", "COM0", "lpt9.mdl",
                                     "COM\xC2\xB9", "LPT\xC2\xB3.mdl", "CONIN$", "conout$.txt"})
        refused_names.emplace_back(device, device, "it is a name Windows keeps for a device");
    // Names that only look like refused ones are taken, and so is a path just deep enough.
    std::vector<ArchiveItem> items{{Kind::file, "ok.mdl", "ok"}, {Kind::file, deep}};
    for (const char* path :
         {"COM10/CONSOLE", "nul_x/COM\xC2\xB4", "LPT/.x", "d.con/a.mdl", ". dot"})
        items.push_back({Kind::file, path});
    LeftOut expected;
    for (const auto& [item, shown, reason] : refused) {
        items.push_back(item);
        expected.emplace_back(shown, reason);
    }
    for (const auto& [name, shown, problem] : refused_names) {
        items.push_back({Kind::file, "pack/" + name + "/v.mdl"});
        expected.emplace_back("pack/" + shown + "/v.mdl",
                              "its path holds the name \"" + shown +
                                  "\", which Windows does not allow: " + problem);
    }
    items.push_back({Kind::file, "OK.MDL"});
    expected.emplace_back("OK.MDL", "an earlier entry has the same name");
    const auto zip = listed(world.root / "evil.zip", archive_of("zip", items));
    EXPECT_EQ(zip->files().size(), 7u);
    EXPECT_EQ(left_out(*zip), expected);

    // RAR 5's redirections are links too, and a file's header may say it is too large.
    const auto rar =
        listed(world.root / "links.rar",
               archive_of("rar5", {{Kind::link, "link.mdl", "ok.mdl"},
                                   {Kind::junction, "junction", "C:\\Windows"},
                                   {Kind::file_copy, "copy.mdl", "ok.mdl"},
                                   {Kind::file, "big.mdl", "x", archive::max_file_size + 1}}));
    EXPECT_EQ(left_out(*rar), (LeftOut{{"link.mdl", "it is a link"},
                                       {"junction", "it is a link"},
                                       {"copy.mdl", "it is a link"},
                                       {"big.mdl", "it is larger than 256 MB"}}));
}

TEST(Archive, AnArchiveThatCannotBeReadFailsAndSaysWhyAndProtectedFilesAreLeftOut) {
    TestWorld world;
    auto damaged = archive_of("zip", {{Kind::file, "a.mdl", "a"}});
    damaged.replace(damaged.find("PK\x03\x04"), 2, "XX");
    const std::vector<ArchiveItem> crowd(archive::max_entries + 1, {Kind::folder, "d/"});
    const std::tuple<std::string, std::optional<std::string>, std::string> cases[] = {
        {"damaged.zip", damaged, "% could not be read: "},
        {"plain.zip", "plain text", "% is not a .zip, .rar or .7z archive that Tessary can read."},
        {"missing.zip", std::nullopt, "% could not be opened: "},
        {"crowded.zip", archive_of("zip", crowd),
         "% holds more than 100000 entries, more than Tessary reads."},
        {"locked.zip", archive_of("zip", {{Kind::file, "a.mdl", "a"}}, "zip:encryption=zipcrypt"),
         "Tessary cannot read the files of % that a password protects."},
    };
    EXPECT_TRUE(archive::is_archive_name("Pack.ZiP") && archive::is_archive_name("a.7z"));
    EXPECT_FALSE(archive::is_archive_name(".rar") || archive::is_archive_name("pack.tar"));
    for (const auto& [name, bytes, says] : cases) {
        SCOPED_TRACE(name);
        if (bytes)
            TestWorld::write(world.root / name, *bytes);
        const auto listing = archive::list(system_path(world.root / name));
        expect_message(listing.messages(), says, world.root / name);
        EXPECT_EQ(listing.ok(), name == "locked.zip");
        EXPECT_TRUE(!listing || (listing->files().empty() && listing->left_out().size() == 1));
    }
}

TEST(Archive, AnExtractionThatFailsPartWayLeavesNothingBehind) {
    TestWorld world;
    const auto out = world.root / "out";
    TestWorld::write(out / "kept.mdl", "kept");
    const std::vector<ArchiveItem> items{{Kind::file, "a.mdl", patterned(100'000)},
                                         {Kind::file, "b.mdl", patterned(100'001)}};
    auto damaged = archive_of("zip", items, "zip:compression=store");
    damaged[damaged.rfind(patterned(1000))] ^= 1; // b.mdl's checksum fails at its end
    const auto zeros = [](std::uint64_t size) { return std::string(size, '\0'); };
    const auto together = "The files to take out of % are larger than 300 MB together";
    const struct {
        std::string name, bytes, says, in_the_way = {}, changed_to = {};
    } cases[] = {
        {"damaged.zip", damaged, "% could not be read: "},
        {"blocked.zip", archive_of("zip", items), "b.mdl in % could not be extracted to ",
         platform::native_path(platform::staged_path(system_path(out / "b.mdl")))},
        {"larger.zip",
         understating_last(
             {items[0], {Kind::file, "b.mdl", zeros(archive::max_file_size + (1 << 20))}}),
         "b.mdl in % is larger than 256 MB."},
        {"declared.rar",
         archive_of("rar5",
                    {{Kind::file, "a.mdl", "a", 200 << 20}, {Kind::file, "b.mdl", "b", 200 << 20}}),
         together},
        {"understated.zip",
         understating_last(
             {{Kind::file, "a.mdl", zeros(151 << 20)}, {Kind::file, "b.mdl", zeros(151 << 20)}}),
         together},
        {"taken.zip", archive_of("zip", {items[0], {Kind::file, "kept.mdl", "new"}}),
         platform::native_path(system_path(out / "kept.mdl")) + " exists already."},
        {"changed.zip",
         archive_of("zip", items),
         "% has changed since Tessary listed it: b.mdl is no longer in it.",
         {},
         archive_of("zip", {items[0], {Kind::file, "c.mdl", "c"}})},
    };
    for (const auto& [name, bytes, says, in_the_way, changed_to] : cases) {
        SCOPED_TRACE(name);
        const auto listing = listed(world.root / name, bytes);
        if (!in_the_way.empty())
            fs::create_directory(in_the_way);
        if (!changed_to.empty())
            TestWorld::write(world.root / name, changed_to);
        const auto made =
            archive::extract(system_path(world.root / name), listing->files(), system_path(out));
        EXPECT_FALSE(made);
        expect_message(made.messages(), says, world.root / name);
        if (!in_the_way.empty())
            fs::remove(in_the_way);
        EXPECT_EQ(TestWorld::names_in(out), Names{"kept.mdl"});
        EXPECT_EQ(TestWorld::read(out / "kept.mdl"), "kept");
    }
}

// On Windows a process's OEM code page is fixed as it starts; under Wine it follows LC_ALL, which
// CTest sets for runs of this test of their own. Elsewhere the rows of other code pages are
// passed over.
TEST(ArchiveNames, NamesWithoutTheUtf8FlagAreReadInTheCodePageOfTheUsersLanguage) {
    // The locale, its code page, a folder and a file in it, and the folder's name as the code page
    // writes it.
    const std::tuple<const char*, unsigned, std::string, std::string, std::string> cases[] = {
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
        const auto bytes = archive_of("zip", {{Kind::file, folder + "/" + file, file}},
                                      "zip:hdrcharset=CP" + std::to_string(code_page));
        ASSERT_NE(bytes.find(written), std::string::npos) << "the name is not in the code page";
        const auto listing = listed(world.root / "pack.zip", bytes);
        ASSERT_TRUE(listing && listing.messages().empty());
        EXPECT_EQ(listing->subfolders(""), Names{folder});
        const auto* found = listing->find(folder, file);
        ASSERT_TRUE(found);
        const auto made = archive::extract(system_path(world.root / "pack.zip"), {*found},
                                           system_path(world.game));
        ASSERT_TRUE(made) << made.messages().at(0);
        EXPECT_EQ(TestWorld::read(world.game / fs::u8path(file)), file);
    }
    set_environment("LC_ALL", restored);
    if (read == 0)
        GTEST_SKIP() << "the OEM code page of this process is " << archive::legacy_code_page();
}
