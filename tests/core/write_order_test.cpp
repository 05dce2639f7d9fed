// The order in which the operations write, as the file system itself tells it.
#include "core/changes/backup_sets.h"
#include "core/changes/model_import.h"
#include "core/library/name_lists.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <memory>

#include <sys/inotify.h>
#include <unistd.h>

namespace fs = std::filesystem;
using core::ModelKind;
using Events = std::vector<std::string>;

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
