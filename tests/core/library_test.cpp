// The library: its tree as a first start builds it from the name lists, the backup sets made in
// it of the game's files and put back, and the journal a change leaves when it is stopped.
#include "core/changes/backup_sets.h"
#include "core/changes/journal.h"
#include "core/changes/model_install.h"
#include "core/library/library_tree.h"
#include "core/program/start_up.h"
#include "model_writer.h"
#include "platform/file_system.h"
#include "said.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using core::ModelKind;

namespace {

// What a backup or restore told the user: nothing when it succeeded.
std::string backup(const TestWorld& world, ModelKind kind, const std::string& name) {
    return said(core::create_backup_set(world.library, {kind, name}));
}
std::string restore(const TestWorld& world, ModelKind kind, const std::string& name) {
    return said(core::restore_backup_set(world.library, {kind, name}));
}

std::string lines(int count, const std::string& stem) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += stem + std::to_string(i) + "\r\n";
    return text;
}

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(LibraryTree, AFirstStartRecordsTheFolderAndBuildsTheTreeFromTheNamesOfBothLists) {
    TestWorld world;
    // Only the first 27 and 9 lines are names.
    for (const auto* list : {"weapon.txt", "player.txt"})
        TestWorld::write(world.program / list, TestWorld::read(world.program / list) + "more\r\n");
    EXPECT_TRUE(core::start_up(world.library));
    EXPECT_EQ(world.settings.read("settings", "install path"), world.program.string());
    auto players = delivered_player_types();
    players.insert(players.end(), {"hostage", "scientist"});
    EXPECT_EQ(TestWorld::names_in(world.library_file("player")), sorted(players));
    EXPECT_EQ(TestWorld::names_in(world.library_file("weapon")), sorted(delivered_weapons()));
    EXPECT_EQ(TestWorld::names_in(world.program),
              (std::vector<std::string>{"models", "player.txt", "weapon.txt"}));

    // A later start keeps the recorded folder, and an existing tree is never read or rebuilt.
    world.settings.write("settings", "install path", "elsewhere");
    fs::remove(world.library_file("weapon/ak47"));
    fs::remove(world.program / "weapon.txt");
    EXPECT_TRUE(core::start_up(world.library));
    EXPECT_EQ(world.settings.read("settings", "install path"), "elsewhere");
    EXPECT_FALSE(fs::exists(world.library_file("weapon/ak47")));
}

TEST(LibraryTree, ABadNameListCreatesNothingAndSaysWhatIsWrong) {
    // The list, its content (none: the list is missing), and what is said.
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {"weapon.txt", "", "weapon.txt could not be read"},
        {"player.txt", lines(8, "p"), "player.txt in the program folder holds 8 lines"},
        {"player.txt", "one line", "holds 1 line, but Tessary needs 9."},
        {"weapon.txt", "ak47\nawp\n", "ends its lines with LF alone"},
        {"player.txt", "sas\r\n\r\n" + lines(7, "p"), "Line 2 of player.txt"},
        {"player.txt", "sas\r\nSAS\r\n" + lines(7, "p"), "repeats line 1"},
        {"weapon.txt", "\xC3\x84x\r\n\xC3\xA4x\r\n" + lines(25, "w"),
         "\"\xC3\xA4x\", repeats line 1"},
        // Every line is held to the rule for names, which the archive tests try in full.
        {"weapon.txt", lines(26, "w") + "dot.", "Line 27 of weapon.txt"},
        {"player.txt", lines(8, "p") + "COM7", "a device"},
        {"player.txt", lines(8, "p") + "hostage", "Line 9 of player.txt"},
    };
    for (const auto& [file, content, says] : cases) {
        TestWorld world;
        if (content.empty())
            fs::remove(world.program / file);
        else
            TestWorld::write(world.program / file, content);
        EXPECT_TRUE(holds(said(core::create_library_tree(world.library)), says));
        EXPECT_EQ(TestWorld::names_in(world.program).size(), content.empty() ? 1u : 2u) << says;
    }
}

// What the sets hold, file for file, the restore test below tells.
TEST(BackupSets, SetsHoldWhatTheGameHasAreListedInOrderAndTakeNoNameOfAModelOfTheirKind) {
    FullWorld world;
    for (const auto* file : {"v_awp_r.mdl", "v_c4.mdl", "v_c4_r.mdl", "w_c4.mdl", "p_c4.mdl"})
        fs::remove(world.game_file(file));
    TestWorld::write(world.library_file("player/scientist/Imported/scientist.mdl"), "model");
    TestWorld::write(world.library_file("weapon/ak47/Gold/v_ak47.mdl"), "model");

    EXPECT_EQ(backup(world, ModelKind::weapon, "A"), "");
    EXPECT_EQ(backup(world, ModelKind::weapon, "B"), "");
    EXPECT_EQ(TestWorld::read(world.program / "wbackup.txt"), "A\r\nB\r\n");
    EXPECT_FALSE(fs::exists(world.library_file("weapon/awp/A/v_awp_r.mdl")));
    EXPECT_TRUE(fs::is_empty(world.library_file("weapon/c4/A")));
    EXPECT_EQ(backup(world, ModelKind::weapon, "A"), "That name already exists.");
    EXPECT_EQ(TestWorld::read(world.program / "wbackup.txt"), "A\r\nB\r\n");

    // Every player model's name is taken, whatever its type; a weapon's is not.
    EXPECT_EQ(backup(world, ModelKind::player, "Imported"), "That name already exists.");
    EXPECT_EQ(backup(world, ModelKind::player, "Gold"), "");
    EXPECT_EQ(TestWorld::read(world.program / "pbackup.txt"), "Gold\r\n");
}

TEST(BackupSets, ARefusedBackupChangesNothing) {
    FullWorld world;
    fs::remove(world.game_file("player/leet/leet.mdl"));
    TestWorld::write(world.library_file("weapon/m3/File"), "a file where a set folder goes");
    const auto before = world.snapshot();
    EXPECT_TRUE(holds(backup(world, ModelKind::player, "Half"), "leet.mdl"));
    EXPECT_TRUE(holds(backup(world, ModelKind::weapon, "File"), "is a file"));
    for (const auto* name : {"", "a:b", " "})
        EXPECT_NE(backup(world, ModelKind::weapon, name), "") << name;

    // A game without its model folder.
    fs::rename(world.game / "cstrike", world.root / "elsewhere");
    EXPECT_TRUE(holds(backup(world, ModelKind::weapon, "NoGame"), "does not exist"));
    fs::rename(world.root / "elsewhere", world.game / "cstrike");

    world.registry.clear();
    EXPECT_EQ(backup(world, ModelKind::weapon, "NoEntry"), "RegKey not found!!");
    fs::remove(world.program / "weapon.txt");
    EXPECT_TRUE(holds(backup(world, ModelKind::weapon, "NoList"), "weapon.txt"));
    TestWorld::write(world.program / "weapon.txt", TestWorld::read(TESSARY_DATA_DIR "/weapon.txt"));
    EXPECT_EQ(world.snapshot(), before);
}

TEST(RestoreSets, ARefusedRestoreOrInstallTouchesNoGameFile) {
    FullWorld world;
    ASSERT_EQ(backup(world, ModelKind::player, "Set"), "");
    TestWorld::write(world.game_file("player/sas/sas.mdl"), "current");
    fs::remove(world.library_file("player/scientist/Set/scientist.mdl"));
    TestWorld::write(world.library_file("weapon/ak47/Half/v_ak47.mdl"), "half");
    TestWorld::write(world.library_file("player/vip/Bare/vip.mdl"),
                     model_writer::tiny_model_in_two_files(true).first); // without vipT.mdl
    const auto before = world.snapshot();

    const std::string no_set = "Please select a backup set before clicking install.";
    EXPECT_EQ(restore(world, ModelKind::player, ""), no_set);
    EXPECT_EQ(restore(world, ModelKind::weapon, ""), no_set);
    EXPECT_TRUE(holds(restore(world, ModelKind::player, "Set"), "scientist.mdl"));
    // Of two ticked files, the one the model lacks stops both.
    EXPECT_TRUE(holds(said(core::install_model(world.library, {ModelKind::weapon, "ak47", "Half"},
                                               {"v_ak47.mdl", "v_ak47_r.mdl"})),
                      "is missing"));
    EXPECT_TRUE(
        said(core::install_model(world.library, {ModelKind::player, "vip", "Bare"}, {"vip.mdl"}))
            .starts_with("vipT.mdl is missing from "));
    EXPECT_EQ(world.snapshot(), before);
}

TEST(RestoreSets, ARestoreGivesBackEveryGameFileWithTheCompanionsItsModelsUseOrNone) {
    FullWorld world;
    // A player model with a texture file and a weapon model with a group file go into the game;
    // the companions of the game's that they do not use stay as they are.
    const struct {
        ModelKind kind;
        const char *name, *folder, *file, *companion, *unused;
    } models[] = {
        {ModelKind::player, "gign", "player/gign/", "gign.mdl", "gignT.mdl", "gign01.mdl"},
        {ModelKind::weapon, "ak47", "", "v_ak47.mdl", "v_ak4701.mdl", "v_ak47T.mdl"}};
    for (const auto& m : models) {
        const auto [model, companion] =
            model_writer::tiny_model_in_two_files(m.kind == ModelKind::player);
        const auto library =
            world.library_file(std::string(core::facts(m.kind).branch) + "/" + m.name + "/Whole/");
        TestWorld::write(library / m.file, model);
        TestWorld::write(library / m.companion, companion);
        TestWorld::write(world.game_file(std::string(m.folder) + m.unused), "unused");
        ASSERT_TRUE(core::install_model(world.library, {m.kind, m.name, "Whole"}, {m.file}));
        EXPECT_EQ(TestWorld::read(world.game_file(std::string(m.folder) + m.companion)), companion);
    }
    ASSERT_EQ(backup(world, ModelKind::player, "Before"), "");
    ASSERT_EQ(backup(world, ModelKind::weapon, "Before"), "");
    auto expected = world.snapshot();

    // The game changes after the backup; what the sets do not hold stays as it is then: the
    // unused companions, and a right model the set lost. A copy staged beside a game file, left
    // by an earlier run, is written afresh.
    const auto change_the_game = [&world] {
        for (const auto& entry : fs::recursive_directory_iterator(world.game))
            if (entry.is_regular_file())
                TestWorld::write(entry.path(), "installed since");
    };
    change_the_game();
    fs::remove(world.library_file("weapon/m3/Before/v_m3_r.mdl"));
    const auto gign = system_path(world.game_file("player/gign/gign.mdl"));
    TestWorld::write(platform::native_path(platform::staged_path(gign)), "part of a copy");
    expected.erase("Program Files/Tessary/models/weapon/m3/Before/v_m3_r.mdl");
    for (const auto* file : {"player/gign/gign01.mdl", "v_ak47T.mdl", "v_m3_r.mdl"})
        expected.at("Game/cstrike/models/" + std::string(file)) = "installed since";
    EXPECT_EQ(restore(world, ModelKind::player, "Before"), "");
    EXPECT_EQ(restore(world, ModelKind::weapon, "Before"), "");
    EXPECT_EQ(world.snapshot(), expected);

    // A game file kept aside by an earlier run, where nothing tells what it held, is never
    // replaced: nothing is restored while it is there.
    const auto vip = system_path(world.game_file("player/vip/vip.mdl"));
    TestWorld::write(platform::native_path(platform::kept_path(vip)), "the only copy");
    EXPECT_TRUE(holds(restore(world, ModelKind::player, "Before"),
                      ".vip.mdl.tessary-old, a file Tessary kept aside"));
    fs::remove(platform::native_path(platform::kept_path(vip)));

    // When the third game file cannot be replaced, for a folder stands where it is to be kept
    // aside, the two before it are put back.
    change_the_game();
    const auto third = system_path(world.game_file("player/urban/urban.mdl"));
    fs::create_directory(platform::native_path(platform::kept_path(third)));
    expected = world.snapshot();
    const auto refused = restore(world, ModelKind::player, "Before");
    EXPECT_TRUE(holds(refused, "urban.mdl was not replaced"));
    EXPECT_TRUE(refused.ends_with(" The game files replaced before it were put back."));
    EXPECT_EQ(world.snapshot(), expected);
}

TEST(Journal, ALineNamingAnythingButTheLibraryOrTheGamesModelFilesIsNotActedOn) {
    using Kind = core::JournalEntry::Kind;
    // Each line's path below the world's root, and the file its undo removes; none when the
    // journal is refused.
    const std::tuple<Kind, std::string, std::string> lines[] = {
        {Kind::new_file, "Program Files/Tessary/models/..\\..\\..\\x.mdl", ""},
        {Kind::new_file, "Program Files/Tessary/models\\..\\..\\..\\x.mdl", ""},
        {Kind::created, "Game/cstrike/models/..\\..\\..\\x.mdl", ""},
        {Kind::created, "Game/cstrike/models/player/./../../../../x.mdl", ""},
        {Kind::replaced, "x.mdl", ""},
        {Kind::replaced, "Game/cstrike/x.mdl", ""},
        {Kind::created, "Game/cstrike/models/player/gign/gign.txt", ""},
        // What Tessary writes, in either separator.
        {Kind::created, "Game\\cstrike\\models\\player\\gign\\x.mdl",
         "Game/cstrike/models/player/gign/x.mdl"},
        {Kind::new_file, "Program Files/Tessary\\models//player\\gign\\x.mdl",
         "Program Files/Tessary/models/player/gign/x.mdl"},
    };
    for (const auto& [kind, path, removed] : lines) {
        FullWorld world;
        TestWorld::write(world.root / "x.mdl", "not Tessary's");
        TestWorld::write(world.root / "Game/cstrike/x.mdl", "not a model of the game's");
        for (const auto& file : {"x.mdl", "Game/cstrike/x.mdl"})
            TestWorld::write(
                platform::native_path(platform::kept_path(system_path(world.root / file))), "kept");
        TestWorld::write(world.game_file("player/gign/gign.txt"), "not a model");
        TestWorld::write(world.game_file("player/gign/x.mdl"), "made by the change");
        TestWorld::write(world.library_file("player/gign/x.mdl"), "made by the change");
        const auto journal = "Program Files/Tessary/.changes.tessary-journal";
        TestWorld::write(world.root / journal,
                         core::journal_text("install", {{kind, system_path(world.root) / path}}));
        auto expected = world.snapshot();
        const auto recovered = core::recover_unfinished_change(world.library);
        ASSERT_EQ(recovered.messages().size(), 1u) << path;
        const auto started = platform::english(recovered.messages()[0]);
        if (removed.empty()) {
            EXPECT_TRUE(holds(started, "cannot read it")) << path;
            expected[std::string(journal) + ".unread"] = expected.at(journal);
        } else {
            EXPECT_TRUE(holds(started, "has undone it")) << path;
            expected.erase(removed);
        }
        expected.erase(journal);
        EXPECT_EQ(world.snapshot(), expected) << path;
    }
}
