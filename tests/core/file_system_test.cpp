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

    std::vector<std::string> listed; // folders end in a slash
    for (const auto& entry : platform::list_folder(system_path(folder)))
        listed.push_back(entry.name + (entry.is_folder ? "/" : "") +
                         (entry.is_hidden ? " hidden" : ""));
    // Letters compare as capitals, so "_" sorts after them, as on the home platform.
    std::vector<std::string> expected{"a", "Ab/", "A_x/", "b/"};
    expected.insert(hidden.front() == '.' ? expected.begin() : expected.end(), hidden + " hidden");
    EXPECT_EQ(listed, expected);
    EXPECT_TRUE(platform::list_folder(system_path(folder / "missing")).empty());

    EXPECT_EQ(platform::first_ordinary_file(system_path(folder)), "a");
    EXPECT_FALSE(platform::is_ordinary_file(system_path(folder / hidden)));
    EXPECT_FALSE(platform::is_ordinary_file(system_path(folder / "b")));
    EXPECT_FALSE(platform::first_ordinary_file(system_path(folder / "b")));
}

TEST(FileSystem, NamesAreLookedUpWithoutRegardToCase) {
    TestWorld world;
    TestWorld::write(world.root / "Source" / "W_AK47.MDL", "w model");
    const auto spelt_otherwise = system_path(world.root) / "source" / "w_ak47.mdl";
    EXPECT_TRUE(platform::is_ordinary_file(spelt_otherwise));

    const auto copy = system_path(world.root) / "copy.mdl";
    EXPECT_TRUE(platform::copy_file(spelt_otherwise, copy));
    EXPECT_EQ(TestWorld::read(world.root / "copy.mdl"), "w model");
    // A name that differs only in case is the same file: it is never overwritten.
    EXPECT_FALSE(platform::copy_file(spelt_otherwise, system_path(world.root) / "COPY.mdl"));
    EXPECT_FALSE(platform::create_folder(system_path(world.root) / "SOURCE"));
}

TEST(FileSystem, ACopyIsWholeAndAFailedOneTouchesNothingItDidNotMake) {
    TestWorld world;
    std::string big(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7 + i / 4096);
    TestWorld::write(world.root / "big.mdl", big);
    TestWorld::write(world.root / "kept.mdl", "kept");
    const auto from = system_path(world.root / "big.mdl");

    EXPECT_TRUE(platform::copy_file(from, system_path(world.root / "copy.mdl")));
    EXPECT_EQ(TestWorld::read(world.root / "copy.mdl"), big);
    const auto before = world.snapshot();
    EXPECT_FALSE(platform::copy_file(from, system_path(world.root / "kept.mdl")));
    EXPECT_FALSE(platform::copy_file(from, system_path(world.root / "no folder" / "x.mdl")));
    EXPECT_FALSE(platform::copy_file(system_path(world.root / "none.mdl"),
                                     system_path(world.root / "kept.mdl")));
    EXPECT_FALSE(platform::copy_file(system_path(world.root), system_path(world.root / "x.mdl")));
    EXPECT_EQ(world.snapshot(), before);
}

TEST(FileSystem, OnlyOrdinaryFilesOfALimitedSizeAreRead) {
    TestWorld world;
    TestWorld::write(world.root / "list.txt", "0123456789");
    const auto read = platform::read_file(system_path(world.root / "list.txt"), 10);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, "0123456789");
    EXPECT_EQ(platform::read_file(system_path(world.root / "list.txt"), 9).error(),
              platform::too_large());
    EXPECT_FALSE(platform::read_file(system_path(world.root), 100));
    EXPECT_FALSE(platform::read_file(system_path(world.root / "missing"), 100));
}

TEST(FileSystem, AFileIsWrittenWholeInOneStepAndAStaleStagedCopyGoes) {
    TestWorld world;
    const auto list = world.program / "pbackup.txt";
    TestWorld::write(list, "old\r\n");
    // A run killed while it wrote left its staged copy behind.
    TestWorld::write(platform::native_path(platform::staged_path(system_path(list))), "part");
    EXPECT_TRUE(platform::write_file(system_path(list), "old\r\nnew\r\n"));
    EXPECT_EQ(TestWorld::names_in(world.program),
              (std::vector<std::string>{"pbackup.txt", "player.txt", "weapon.txt"}));
    EXPECT_EQ(TestWorld::read(list), "old\r\nnew\r\n");
}

TEST(FileSystem, LinesEndAtCrLfOrALoneCrButNeverAtALoneLf) {
    const auto text = "one\r\ntwo\rthree\nstill three\r\n\r\n last ";
    using Lines = std::vector<std::string>;
    EXPECT_EQ(platform::split_lines(text, 10),
              (Lines{"one", "two", "three\nstill three", "", " last "}));
    EXPECT_EQ(platform::split_lines(text, 2), (Lines{"one", "two"}));
}
