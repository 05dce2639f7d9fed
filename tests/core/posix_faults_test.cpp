// Faults made for real: a full disk, a file-size limit, read-only and unreadable files, odd files
// where a file should be, a run killed part-way. Afterwards every file is as it was, or whole.
#include "core/changes/backup_sets.h"
#include "core/changes/model_install.h"
#include "core/game/game_directory.h"
#include "core/library/library_tree.h"
#include "core/library/name_lists.h"
#include "core/program/start_up.h"
#include "posix_faults.h"
#include "said.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <locale.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using core::ModelKind;

namespace {

constexpr auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// Makes a backup of the kind fail under the fault, and checks that it leaves the world as it was.
void back_up_under(const std::string& fault, ModelKind kind) {
    FullWorld world;
    const std::string list = kind == ModelKind::player ? "pbackup.txt" : "wbackup.txt";
    TestWorld::write(world.program / list, "Older\r\n");
    std::optional<SmallDisk> disk;
    if (fault == "full disk") {
        // The library on a disk that holds a few of the game's files but not all of them.
        fs::rename(world.program / "models", world.root / "models");
        disk.emplace(world.program / "models", 2048 * 1024, 1000);
        if (!disk->skipped.empty())
            GTEST_SKIP() << "no small disk to fill: " << disk->skipped;
        fs::copy(world.root / "models", world.program / "models", fs::copy_options::recursive);
        for (const auto& weapon : delivered_weapons())
            TestWorld::write(world.game_file("v_" + weapon + ".mdl"), std::string(100000, 'v'));
    }
    const auto before = world.snapshot();
    {
        Unprivileged unprivileged(world.root);
        std::optional<FileSizeLimit> limit;
        if (fault == "file-size limit")
            limit.emplace(8); // the game's files hold more than that
        if (fault == "read-only type folder")
            fs::permissions(world.library_file("player/vip"), writable, fs::perm_options::remove);
        if (fault == "read-only set list")
            fs::permissions(world.program / list, writable, fs::perm_options::remove);
        const auto made = core::create_backup_set(world.library, {kind, "Set"});
        ASSERT_FALSE(made) << fault;
        EXPECT_EQ(made.messages().size(), 1u) << fault;
    }
    EXPECT_EQ(world.snapshot(), before) << fault;
}

} // namespace

TEST(Faults, ABackupThatFailsPartWayLeavesNothingAndBlocksNoName) {
    back_up_under("file-size limit", ModelKind::player);
    back_up_under("file-size limit", ModelKind::weapon);
    back_up_under("read-only type folder", ModelKind::player);
    back_up_under("read-only set list", ModelKind::weapon);
}

TEST(Faults, ABackupOnAFullDiskLeavesNothing) {
    back_up_under("full disk", ModelKind::weapon);
}

TEST(Faults, ASetListCutShortByAFullDiskStaysWhole) {
    FullWorld world;
    ASSERT_TRUE(core::create_backup_set(world.library, {ModelKind::player, "First"}));
    const auto before = world.snapshot();
    {
        FileSizeLimit limit(TestWorld::read(world.program / "pbackup.txt").size() + 3);
        EXPECT_FALSE(core::create_backup_set(world.library, {ModelKind::player, "Second name"}));
    }
    EXPECT_EQ(world.snapshot(), before);
    EXPECT_TRUE(core::create_backup_set(world.library, {ModelKind::player, "Third"}));
    EXPECT_EQ(TestWorld::read(world.program / "pbackup.txt"), "First\r\nThird\r\n");
}

TEST(Faults, ARestoreOrInstallThatFailsLeavesTheGameUntouched) {
    FullWorld world;
    ASSERT_TRUE(core::create_backup_set(world.library, {ModelKind::player, "Set"}));
    ASSERT_TRUE(core::create_backup_set(world.library, {ModelKind::weapon, "Set"}));
    for (const auto& entry : fs::recursive_directory_iterator(world.game))
        if (entry.is_regular_file())
            TestWorld::write(entry.path(), "installed since, and longer than the limit");
    const auto before = world.snapshot();
    {
        Unprivileged unprivileged(world.root);
        fs::permissions(world.library_file("player/terror/Set/terror.mdl"), fs::perms::none);
        EXPECT_TRUE(holds(said(core::restore_backup_set(world.library, {ModelKind::player, "Set"})),
                          "terror.mdl"));
        fs::permissions(world.library_file("player/terror/Set/terror.mdl"), fs::perms::owner_read,
                        fs::perm_options::add);
    }
    {
        FileSizeLimit limit(12);
        EXPECT_FALSE(core::restore_backup_set(world.library, {ModelKind::player, "Set"}));
        EXPECT_FALSE(core::restore_backup_set(world.library, {ModelKind::weapon, "Set"}));
        EXPECT_FALSE(core::install_model(world.library, {ModelKind::weapon, "ak47", "Set"},
                                         {"v_ak47.mdl", "v_ak47_r.mdl", "p_ak47.mdl"}));
    }
    EXPECT_EQ(world.snapshot(), before);
}

TEST(Faults, AProgramFolderThatCannotBeWrittenIsFoundAtStart) {
    TestWorld world;
    const auto before = world.snapshot();
    {
        Unprivileged unprivileged(world.root);
        fs::permissions(world.program, writable, fs::perm_options::remove);
        const auto checked = said(core::check_program_folder(world.library));
        fs::permissions(world.program, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_TRUE(holds(checked, world.program.string() + ", but it cannot write"));
    }
    EXPECT_EQ(world.snapshot(), before);
    EXPECT_TRUE(core::check_program_folder(world.library));
    EXPECT_EQ(world.snapshot(), before);
}

TEST(Faults, OddFilesWhereAFileShouldBeAreNeitherReadNorWaitedFor) {
    TestWorld world;
    const auto registry = world.root / "prefix" / "system.reg";
    fs::remove(registry);
    fs::create_directory(registry);
    EXPECT_EQ(texts(core::game_directory().messages()),
              std::vector<std::string>{"RegKey not found!!"});
    fs::remove(registry);
    ASSERT_EQ(mkfifo(registry.c_str(), 0666), 0);
    EXPECT_EQ(texts(core::game_directory().messages()),
              std::vector<std::string>{"RegKey not found!!"});

    fs::remove(world.program / "weapon.txt");
    fs::create_symlink("/dev/zero", world.program / "weapon.txt");
    fs::remove(world.program / "player.txt");
    ASSERT_EQ(mkfifo((world.program / "player.txt").c_str(), 0666), 0);
    for (const auto kind : {ModelKind::weapon, ModelKind::player})
        EXPECT_TRUE(
            holds(said(core::read_name_list(world.library, kind)), "is not an ordinary file"));
}

TEST(Faults, ALibraryTreeThatCannotBeFinishedIsNotStartedAndTheNextStartBuildsIt) {
    TestWorld world;
    // A disk of so few inodes that the tree's 41 folders do not fit on it.
    const auto lists = world.root / "lists";
    fs::rename(world.program, lists);
    SmallDisk disk(world.program, 1024 * 1024, 30);
    if (!disk.skipped.empty())
        GTEST_SKIP() << disk.skipped;
    for (const auto* list : {"weapon.txt", "player.txt"})
        fs::copy_file(lists / list, world.program / list);
    const auto before = world.snapshot();
    EXPECT_TRUE(holds(said(core::create_library_tree(world.library)), "could not be created"));
    EXPECT_EQ(world.snapshot(), before);
}

TEST(Faults, LinksPlantedWhereTessaryKeepsItsOwnFoldersAreRemovedAsLinks) {
    for (const auto* own : {".extracted.tessary-new", ".models.tessary-new"}) {
        TestWorld world;
        TestWorld::write(world.root / "elsewhere/keep.txt", "the user's");
        fs::create_directories(world.root / "elsewhere/empty");
        fs::create_directory_symlink(world.root / "elsewhere", world.program / own);
        EXPECT_TRUE(core::start_up(world.library)) << own;
        EXPECT_FALSE(fs::exists(fs::symlink_status(world.program / own))) << own;
        EXPECT_EQ(TestWorld::read(world.root / "elsewhere/keep.txt"), "the user's") << own;
        EXPECT_TRUE(fs::is_directory(world.root / "elsewhere/empty")) << own;
        EXPECT_TRUE(fs::is_directory(world.library_file("weapon/ak47"))) << own;
    }
}

TEST(Faults, ANameListEditedAfterTheLibraryWasMadeIsCheckedAgain) {
    FullWorld world;
    TestWorld::write(world.program / "weapon.txt",
                     "../../../../../elsewhere\r\n" +
                         TestWorld::read(TESSARY_DATA_DIR "/weapon.txt"));
    const auto before = world.snapshot();
    EXPECT_TRUE(said(core::create_backup_set(world.library, {ModelKind::weapon, "Set"}))
                    .starts_with("Line 1 of weapon.txt"));
    EXPECT_EQ(world.snapshot(), before);
}

TEST(Faults, TheSystemsReasonReadsInTheUsersLanguageWhateverItsCharacterSet) {
    int tried = 0;
    for (const auto* locale : {"ru_RU.UTF-8", "ru_RU.CP1251"}) {
        if (const locale_t installed = newlocale(LC_ALL_MASK, locale, locale_t{}))
            freelocale(installed);
        else
            continue;
        ++tried;
        FullWorld world;
        TestWorld::write(world.library_file("player/gign/Blue/gign.mdl"), "blue");
        const auto before = world.snapshot();
        set_environment("LC_ALL", locale);
        std::string told;
        {
            Unprivileged unprivileged(world.root);
            fs::permissions(world.game_file("player/gign"), writable, fs::perm_options::remove);
            told = said(core::install_model(world.library, {ModelKind::player, "gign", "Blue"},
                                            {"gign.mdl"}));
            fs::permissions(world.game_file("player/gign"), fs::perms::owner_write,
                            fs::perm_options::add);
        }
        set_environment("LC_ALL", "");
        EXPECT_TRUE(holds(told, "gign.mdl was not replaced: Отказано в доступе.")) << locale;
        EXPECT_EQ(world.snapshot(), before) << locale;
    }
    if (tried == 0)
        GTEST_SKIP() << "no Russian locale is installed";
}
