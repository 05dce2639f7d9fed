// The platform layer as both systems have it: files, and the programs it starts.
#include "platform/display_languages.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

TEST(FileSystem, ACopyIsWholeAndAFailedOneTouchesNothingItDidNotMake) {
    TestWorld world;
    const auto path = [&world](const char* name) { return system_path(world.root / name); };
    std::string big(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7 + i / 4096);
    TestWorld::write(world.root / "big.mdl", big);
    TestWorld::write(world.root / "kept.mdl", "kept");

    EXPECT_TRUE(platform::copy_file(path("big.mdl"), path("copy.mdl")));
    EXPECT_EQ(TestWorld::read(world.root / "copy.mdl"), big);
    const auto before = world.snapshot();
    EXPECT_FALSE(platform::copy_file(path("big.mdl"), path("kept.mdl")));
    EXPECT_FALSE(platform::copy_file(path("big.mdl"), path("no folder") / "x.mdl"));
    EXPECT_FALSE(platform::copy_file(path("none.mdl"), path("kept.mdl")));
    EXPECT_FALSE(platform::copy_file(path(""), path("x.mdl")));
    EXPECT_EQ(world.snapshot(), before);
}

TEST(FileSystem, OnlyOrdinaryFilesOfALimitedSizeAreRead) {
    TestWorld world;
    const auto list = system_path(world.root / "list.txt");
    TestWorld::write(world.root / "list.txt", "0123456789");
    ASSERT_TRUE(platform::read_file(list, 10));
    EXPECT_EQ(*platform::read_file(list, 10), "0123456789");
    EXPECT_EQ(platform::read_file(list, 9).error(), platform::too_large());
    EXPECT_FALSE(platform::read_file(system_path(world.root), 100));
    EXPECT_FALSE(platform::read_file(system_path(world.root / "missing"), 100));
}

TEST(FileSystem, LinesEndAtCrLfOrALoneCrButNeverAtALoneLf) {
    const auto text = "one\r\ntwo\rthree\nstill three\r\n\r\n last ";
    using Lines = std::vector<std::string>;
    EXPECT_EQ(platform::split_lines(text, 10),
              (Lines{"one", "two", "three\nstill three", "", " last "}));
    EXPECT_EQ(platform::split_lines(text, 2), (Lines{"one", "two"}));
}

// A program that is not there is said to be so, whether it is waited for or not.
TEST(Process, AMissingProgramIsTold) {
    TestWorld world;
    const auto missing = system_path(world.program / "missing.exe");
    EXPECT_FALSE(platform::run_and_wait({missing, {platform::Path("x")}}));
    EXPECT_FALSE(platform::start_program({missing}));
}

// The language the system is set to speak, which the test command sets for this test alone in
// TESSARY_SYSTEM_LANGUAGE and the system's own way (LC_ALL, which Wine takes as Windows' user
// interface language), comes first.
TEST(DisplayLanguages, TheSystemsLanguageComesFirst) {
    const char* expected = std::getenv("TESSARY_SYSTEM_LANGUAGE");
    if (!expected)
        GTEST_SKIP() << "started without a system language to look for";
    const auto languages = platform::display_languages();
    ASSERT_FALSE(languages.empty());
    EXPECT_EQ(languages.front(), expected);
}
