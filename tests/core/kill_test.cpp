// The order in which the operations write, as the file system itself tells it; and operations
// killed for real, with SIGKILL, at chosen points of it in a child process, after which Tessary
// starts again. Every file is byte for byte as it was before the operation or as the operation
// makes it, nothing of Tessary's own is left beside it, and the next operation goes through.
#include "core/changes/backup_sets.h"
#include "core/changes/model_import.h"
#include "core/changes/model_install.h"
#include "core/library/name_lists.h"
#include "core/program/start_up.h"
#include "model_writer.h"
#include "said.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <memory>

#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;
using core::ModelKind;
using Events = std::vector<std::string>;

namespace {

// Runs the operation in a child that TESSARY_KILL_AFTER kills; true when it was killed so.
bool killed_while(const std::string& kill_after, std::vector<std::string> operation) {
    operation.insert(operation.begin(), TESSARY_RUN_OPERATION);
    std::vector<char*> argv;
    for (auto& argument : operation)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    set_environment("TESSARY_KILL_AFTER", kill_after);
    setenv("LD_PRELOAD", TESSARY_KILL_AFTER_LIBRARY, 1); // for the child alone
    pid_t child = 0;
    const bool started = posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
    unsetenv("LD_PRELOAD");
    int status = 0;
    return started && waitpid(child, &status, 0) == child && WIFSIGNALED(status) &&
           WTERMSIG(status) == SIGKILL;
}

// The world's files, without the Wine prefix, as the snapshot has them, but for what the journal
// (.changes.tessary-journal) and Tessary's hidden names may leave, which must be gone.
std::map<std::string, std::string> files_of(const TestWorld& world) {
    auto files = world.snapshot();
    for (const auto& [name, content] : files)
        EXPECT_EQ(name.find(".tessary-"), std::string::npos) << name << " was left";
    return files;
}

} // namespace

TEST(Kills, AnInstallKilledAtAnyRenameOrAfterItIsDoneIsUndoneOrFinishedAtTheNextStart) {
    const std::string files[] = {"gign.mdl", "gignT.mdl", "gign01.mdl", "gign02.mdl"};
    // A model whose header names three companions, its texture file and two group files, by its
    // count of sequence groups.
    const auto model =
        model_writer::with(model_writer::tiny_model_in_two_files(true).first, 172, 3);
    // The journal's rename; two of the four files staged; all of them staged and flushed (after
    // the program folder's flush, one flush a file); each staged file renamed in place; the
    // game's folder flushed; once marked done, the first removal of a kept file.
    const std::pair<std::string, bool> stops[] = {
        {"rename:1", false}, {"copy:2", false},   {"fsync:5", false}, {"rename:2", false},
        {"rename:3", false}, {"rename:5", false}, {"fsync:6", false}, {"unlink:1", true}};
    for (const auto& [stop, installed] : stops) {
        FullWorld world;
        for (const auto& file : files) {
            TestWorld::write(world.library_file("player/gign/Heavy/" + file),
                             file == "gign.mdl" ? model : "new " + file);
            TestWorld::write(world.game_file("player/gign/" + file), "old " + file);
        }
        const auto before = world.snapshot();
        ASSERT_TRUE(killed_while(
            stop, {world.program.string(), "install", "player", "gign", "Heavy", "gign.mdl"}))
            << stop;
        const auto started = core::start_up(world.library);
        ASSERT_EQ(started.messages().size(), 1u) << stop;
        EXPECT_NE(platform::english(started.messages()[0]).find(installed ? "complete" : "undone"),
                  std::string::npos)
            << started.messages()[0];
        auto expected = before;
        for (const auto& file : files)
            if (installed)
                expected["Game/cstrike/models/player/gign/" + file] =
                    before.at("Program Files/Tessary/models/player/gign/Heavy/" + file);
        EXPECT_EQ(files_of(world), expected) << stop;

        // Nothing of the stopped install stands in the way of the next one.
        EXPECT_TRUE(
            core::install_model(world.library, {ModelKind::player, "gign", "Heavy"}, {"gign.mdl"}));
        EXPECT_EQ(TestWorld::read(world.game_file("player/gign/gignT.mdl")), "new gignT.mdl");
    }
}

TEST(Kills, ARestoreKilledPartWayLeavesTheGameAsItWasAndNoStagedCopies) {
    for (const auto* stop : {"rename:1", "copy:6", "rename:7", "rename:12"}) {
        FullWorld world;
        ASSERT_TRUE(core::create_backup_set(world.library, {ModelKind::player, "Before"}));
        for (const auto& type : delivered_player_types())
            TestWorld::write(world.game_file("player/" + type + "/" + type + ".mdl"), "since");
        const auto before = world.snapshot();
        ASSERT_TRUE(killed_while(stop, {world.program.string(), "restore", "player", "Before"}))
            << stop;
        EXPECT_TRUE(core::start_up(world.library));
        EXPECT_EQ(files_of(world), before) << stop;
        EXPECT_TRUE(core::restore_backup_set(world.library, {ModelKind::player, "Before"}));
        EXPECT_EQ(TestWorld::read(world.game_file("player/sas/sas.mdl")), "game sas");
    }
}

TEST(Kills, AnImportKilledPartWayLeavesNoModelBehind) {
    for (const auto* stop : {"rename:2", "rename:4"}) {
        FullWorld world;
        const auto downloads = world.root / "downloads";
        for (const auto* file : {"v_ak47.mdl", "v_ak47_r.mdl", "w_ak47.mdl", "p_ak47.mdl"})
            TestWorld::write(downloads / file, file);
        const auto before = world.snapshot();
        ASSERT_TRUE(killed_while(stop, {world.program.string(), "import-weapon", downloads.string(),
                                        "v_ak47.mdl", "Gold"}))
            << stop;
        EXPECT_TRUE(core::start_up(world.library));
        EXPECT_EQ(files_of(world), before) << stop;
    }
}

TEST(WriteOrder, EachOperationWritesItsFilesInItsOwnOrder) {
    FullWorld world;
    const int watches = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    const std::shared_ptr<void> closed(nullptr, [watches](void*) { close(watches); });
    // The names in the watched folders that the watched events befell, in order; an event
    // repeated at once counts once.
    const auto happened = [watches] {
        Events events;
        alignas(inotify_event) char buffer[64 * 1024];
        for (ssize_t size; (size = read(watches, buffer, sizeof buffer)) > 0;) {
            for (const char* at = buffer; at < buffer + size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                at += sizeof(inotify_event) + event->len;
                if (event->len > 0 && (events.empty() || events.back() != event->name))
                    events.emplace_back(event->name);
            }
        }
        return events;
    };

    // Empty model folders count as free, so the files can be watched arriving in them.
    const auto downloads = world.root / "downloads";
    for (const auto* file : {"v_ak47.mdl", "v_ak47_r.mdl", "w_ak47.mdl", "p_ak47.mdl"})
        TestWorld::write(downloads / file, file);
    for (const auto* model : {"Gold", "Set"}) {
        fs::create_directories(world.library_file("weapon/ak47/") / model);
        inotify_add_watch(watches, (world.library_file("weapon/ak47/") / model).c_str(),
                          IN_MOVED_TO);
    }
    ASSERT_TRUE(core::import_weapon_model(
        world.library, {source_folder(downloads), "v_ak47.mdl", "Gold"}, delivered_weapons()));
    EXPECT_EQ(happened(), (Events{"v_ak47.mdl", "w_ak47.mdl", "p_ak47.mdl", "v_ak47_r.mdl"}));
    ASSERT_TRUE(core::create_backup_set(world.library, {ModelKind::weapon, "Set"}));
    EXPECT_EQ(happened(), (Events{"v_ak47.mdl", "v_ak47_r.mdl", "p_ak47.mdl", "w_ak47.mdl"}));

    // Each game file's header is read for its companions before anything is written; then type
    // by type, the set folder is made and the game file read into it.
    Events headers, expected;
    for (const auto& type : *core::set_names(world.library, ModelKind::player)) {
        const bool fixed = type == "hostage" || type == "scientist";
        inotify_add_watch(watches, world.library_file("player/" + type).c_str(), IN_CREATE);
        inotify_add_watch(watches, world.game_file(fixed ? "" : "player/" + type).c_str(),
                          IN_ACCESS);
        headers.push_back(type + ".mdl");
        expected.insert(expected.end(), {"Set", type + ".mdl"});
    }
    expected.insert(expected.begin(), headers.begin(), headers.end());
    ASSERT_TRUE(core::create_backup_set(world.library, {ModelKind::player, "Set"}));
    EXPECT_EQ(happened(), expected);
}
