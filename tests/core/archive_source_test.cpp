#include "archive_writer.h"
#include "core/changes/model_import.h"
#include "core/program/preview.h"
#include "core/sources/source_folders.h"
#include "model_writer.h"
#include "platform/file_system.h"
#include "said.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

// A weapon pack as players download it: the models in a folder of the pack's name, beside things
// Tessary has no use for, and entries it must never follow.
struct PackWorld : TestWorld {
    PackWorld() {
        make_library();
        write(pack,
              archive_of("zip",
                         {{ArchiveItem::Kind::folder, "AK Pack/"},
                          {ArchiveItem::Kind::file, "AK Pack/models/v_ak47.mdl", main},
                          {ArchiveItem::Kind::file, "AK Pack/models/v_ak47t.mdl", textures},
                          {ArchiveItem::Kind::file, "AK Pack/models/p_ak47.mdl", "p"},
                          {ArchiveItem::Kind::file, "AK Pack/models/W_AK47.MDL", "w"},
                          {ArchiveItem::Kind::file, "AK Pack/readme.txt", "hi"},
                          {ArchiveItem::Kind::file, "../evil.mdl", "evil"},
                          {ArchiveItem::Kind::link, "AK Pack/models/v_m4a1.mdl", "/etc/passwd"}}));
    }

    platform::Result<core::SourceListing> listed(const fs::path& folder) const {
        auto source = core::SourceFolder::at(system_path(folder));
        if (!source)
            return source.failure();
        return core::list_source_folder(*source, "v*.mdl");
    }

    fs::path downloads = root / "Down loads";
    fs::path pack = downloads / "AK Pack.zip";
    fs::path models = pack / "ak pack" / "MODELS"; // names inside match without regard to case
    std::string main = model_writer::tiny_model_in_two_files(true).first;
    std::string textures = model_writer::tiny_model_in_two_files(true).second;
};

} // namespace

TEST(ArchiveSource, AnArchiveOpensLikeAFolderAndAWeaponIsImportedFromItWithItsCompanions) {
    PackWorld world;
    const auto top = world.listed(world.pack);
    ASSERT_EQ(top.messages().size(), 1u);
    EXPECT_TRUE(holds(top.messages()[0], "\n../evil.mdl: its path leads outside"));
    EXPECT_EQ(world.listed(world.models)->files, (Names{"v_ak47.mdl", "v_ak47t.mdl"}));
    EXPECT_FALSE(world.listed(world.pack / "missing"));

    const auto program = TestWorld::names_in(world.program);
    const auto imported = core::import_weapon_model(
        world.library, {source_folder(world.models), "v_ak47.mdl", "Gold"}, delivered_weapons());
    ASSERT_TRUE(imported) << imported.messages().at(0);
    EXPECT_TRUE(imported->confirmed);
    const std::pair<const char*, std::string> filed[] = {{"v_ak47.mdl", world.main},
                                                         {"v_ak47T.mdl", world.textures},
                                                         {"p_ak47.mdl", "p"},
                                                         {"w_ak47.mdl", "w"}};
    for (const auto& [file, content] : filed)
        EXPECT_EQ(TestWorld::read(world.library_file("weapon/ak47/Gold") / file), content) << file;
    EXPECT_EQ(TestWorld::names_in(world.library_file("weapon/ak47/Gold")).size(), 4u);
    EXPECT_EQ(TestWorld::names_in(world.program), program) << "nothing taken out is left";
}

TEST(ArchiveSource, WhatAnArchiveLacksOrCannotGiveChangesNothing) {
    PackWorld world;
    const auto [grouped, group] = model_writer::tiny_model_in_two_files(false);
    TestWorld::write(world.downloads / "player.7z",
                     archive_of("7zip", {{ArchiveItem::Kind::file, "gign.mdl", grouped}}));
    TestWorld::write(world.downloads / "broken.zip", "PK\3\4 and then nothing a zip holds");
    const auto log = world.install_recorder();
    const auto before = world.snapshot();

    const auto refused = said(core::import_player_model(
        world.library, {source_folder(world.downloads / "player.7z"), "gign.mdl", "Ninja"}));
    EXPECT_TRUE(refused.starts_with("gign01.mdl is missing from ") && holds(refused, "player.7z"))
        << refused;
    EXPECT_TRUE(holds(said(world.listed(world.downloads / "broken.zip")), "broken.zip"));
    EXPECT_EQ(world.snapshot(), before);

    // A preview takes the file out beside the library for as long as the viewer runs.
    EXPECT_TRUE(
        core::preview_source_file(world.library, source_folder(world.models), "v_ak47.mdl"));
    const auto extracted = platform::staged_path(system_path(world.program) / "extracted");
    EXPECT_EQ(TestWorld::read(log), platform::native_path(extracted / "v_ak47.mdl") + "\n");
    fs::remove(log);
    EXPECT_EQ(world.snapshot(), before);

    // A file picked in an archive that has changed since is missed in words.
    TestWorld::write(world.pack,
                     archive_of("zip", {{ArchiveItem::Kind::file, "AK Pack/models/x.mdl", "x"}}));
    const auto changed = world.snapshot();
    EXPECT_EQ(said(core::import_weapon_model(world.library,
                                             {source_folder(world.models), "v_ak47.mdl", "Gold"},
                                             delivered_weapons())),
              platform::native_path(system_path(world.models)) +
                  " no longer holds v_ak47.mdl, w_ak47.mdl, p_ak47.mdl or v_ak47_r.mdl: the "
                  "archive has changed since Tessary listed it.");
    EXPECT_EQ(world.snapshot(), changed);
}
