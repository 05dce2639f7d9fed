#include "platform/file_system.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(FileSystem, ListingIsInNameOrderWithoutRegardToCaseAndKeepsEverything) {
    TestWorld world;
    const auto folder = world.root / "list";
    for (const auto* name : {"b", "A_x", "Ab"})
        fs::create_directories(folder / name);
    TestWorld::write(folder / "a", "file");
    const auto hidden = write_hidden_file(folder, "secret");

    const auto entries = platform::list_folder(folder.string());
    std::vector<std::string> names;
    for (const auto& entry : entries)
        names.push_back(entry.name);
    // Letters compare as capitals, so "_" sorts after them, as on the home platform.
    auto expected = std::vector<std::string>{"a", "Ab", "A_x", "b"};
    expected.insert(hidden.front() == '.' ? expected.begin() : expected.end(), hidden);
    EXPECT_EQ(names, expected);
    for (const auto& entry : entries) {
        EXPECT_EQ(entry.is_folder, entry.name != "a" && entry.name != hidden) << entry.name;
        EXPECT_EQ(entry.is_hidden, entry.name == hidden) << entry.name;
    }
    EXPECT_TRUE(platform::list_folder((folder / "missing").string()).empty());
}

TEST(FileSystem, OnlyOrdinaryFilesCount) {
    TestWorld world;
    const auto folder = world.root / "model";
    fs::create_directories(folder / "sub");
    write_hidden_file(folder, "a.mdl");
    EXPECT_FALSE(platform::first_ordinary_file(folder.string()));
    EXPECT_FALSE(platform::first_ordinary_file((world.root / "missing").string()));
    EXPECT_FALSE(platform::is_ordinary_file((folder / "sub").string()));

    TestWorld::write(folder / "z.mdl", "z");
    TestWorld::write(folder / "gign.mdl", "gign");
    EXPECT_EQ(platform::first_ordinary_file(folder.string()), "gign.mdl");
    EXPECT_FALSE(platform::is_ordinary_file(
        (folder / platform::list_folder(folder.string())[0].name).string()));
    EXPECT_TRUE(platform::is_ordinary_file((folder / "z.mdl").string()));
}

TEST(FileSystem, NamesAreLookedUpWithoutRegardToCase) {
    TestWorld world;
    TestWorld::write(world.root / "Source" / "W_AK47.MDL", "w model");
    const auto spelt_otherwise = world.root.string() + "\\source\\w_ak47.mdl";
    EXPECT_TRUE(platform::is_ordinary_file(spelt_otherwise));

    const auto copy = world.root.string() + "\\copy.mdl";
    EXPECT_FALSE(platform::copy_file(spelt_otherwise, copy));
    EXPECT_EQ(TestWorld::read(world.root / "copy.mdl"), "w model");
    // A name that differs only in case is the same file: it is never overwritten.
    EXPECT_TRUE(platform::copy_file(spelt_otherwise, world.root.string() + "\\COPY.mdl"));
    EXPECT_TRUE(platform::create_folder(world.root.string() + "\\SOURCE"));
}

TEST(FileSystem, CopiesAreWholeAndNeverOverwrite) {
    TestWorld world;
    std::string big(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7 + i / 4096);
    TestWorld::write(world.root / "big.mdl", big);
    TestWorld::write(world.root / "kept.mdl", "kept");
    const auto from = (world.root / "big.mdl").string();

    EXPECT_FALSE(platform::copy_file(from, (world.root / "copy.mdl").string()));
    EXPECT_EQ(TestWorld::read(world.root / "copy.mdl"), big);
    EXPECT_TRUE(platform::copy_file(from, (world.root / "kept.mdl").string()));
    EXPECT_EQ(TestWorld::read(world.root / "kept.mdl"), "kept");
    EXPECT_TRUE(platform::copy_file(from, (world.root / "no folder" / "x.mdl").string()));
    EXPECT_TRUE(platform::copy_file((world.root / "none.mdl").string(),
                                    (world.root / "none copy.mdl").string()));
    EXPECT_FALSE(fs::exists(world.root / "none copy.mdl"));
}
