// Imports of models from folders and from the archives players download, and previews of files in
// archives.
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

const std::string invalid =
    "Inavaild model name. The name of the model must match those that CS currently uses";

struct ImportWorld : TestWorld {
    ImportWorld() { make_library(); }

    // The import's messages, or "imported" and whether it confirmed, of a file picked in the
    // downloads or in another folder.
    std::string import_player(const std::string& file, const std::string& model,
                              const fs::path& folder = {}) {
        return outcome(core::import_player_model(library, picked(file, model, folder)));
    }
    std::string import_weapon(const std::string& file, const std::string& model,
                              const fs::path& folder = {},
                              const std::vector<std::string>& weapons = delivered_weapons()) {
        return outcome(core::import_weapon_model(library, picked(file, model, folder), weapons));
    }
    std::string import_player_as(const std::string& file, const std::string& model,
                                 const std::string& type, const fs::path& folder = {}) {
        return outcome(core::import_player_model_as(library, picked(file, model, folder), type));
    }
    std::string import_weapon_as(const std::string& file, const std::string& model,
                                 const std::string& weapon) {
        return outcome(core::import_weapon_model_as(library, picked(file, model, {}), weapon));
    }
    core::ImportRequest picked(const std::string& file, const std::string& model,
                               const fs::path& folder) const {
        return {source_folder(folder.empty() ? downloads : folder), file, model};
    }
    static std::string outcome(const platform::Result<core::Imported>& imported) {
        return imported ? imported->confirmed ? "confirmed" : "imported"
                        : platform::english(imported.messages().at(0));
    }

    fs::path downloads = root / "Down loads";
};

using Names = std::vector<std::string>;
using Files = std::map<std::string, std::string>;

// A weapon pack as players download it: the models in a folder of the pack's name, beside things
// Tessary has no use for, and entries it must never follow.
struct PackWorld : ImportWorld {
    PackWorld() {
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

    // What an import window lists in the folder for a weapon.
    static platform::Result<core::SourceListing> listed(const fs::path& folder) {
        return core::list_source_folder(source_folder(folder).value(), "v*.mdl");
    }

    fs::path pack = downloads / "AK Pack.zip";
    fs::path models = pack / "ak pack" / "MODELS"; // names inside match without regard to case
    std::string main = model_writer::tiny_model_in_two_files(true).first;
    std::string textures = model_writer::tiny_model_in_two_files(true).second;
};

// The tiny model under a name of its own, which tells the files apart; grouped, it keeps its
// sequence in a group file, which it stores as the game loads it from: models\<name>01.mdl.
std::pair<std::string, std::string> named_model(const std::string& name, bool grouped = false) {
    auto description = model_writer::tiny_model();
    description.name = name;
    description.sequences[0].in_group_file = grouped;
    const auto files = model_writer::write_model(description);
    return {{files.main.begin(), files.main.end()}, {files.group.begin(), files.group.end()}};
}

} // namespace

TEST(ModelImport, APlayerModelIsCheckedInOrderAndFiledUnderItsType) {
    ImportWorld world;
    for (const auto* file : {"mymodel.mdl", "GIGN.mdl", "hostage.mdl"})
        TestWorld::write(world.downloads / file, file);
    // A model with a texture file, spelt with a small t, is filed with it under the game's name.
    const auto [textured, textures] = model_writer::tiny_model_in_two_files(true);
    TestWorld::write(world.downloads / "gign.MDL", textured);
    TestWorld::write(world.downloads / "gignt.mdl", textures);
    const auto before = world.snapshot();
    EXPECT_EQ(world.import_player("", ""), "Please select a file before clicking import");
    EXPECT_EQ(world.import_player("mymodel.mdl", ""), "Please enter a name for the model");
    EXPECT_EQ(world.import_player("mymodel.mdl", "Name"), invalid);
    EXPECT_EQ(world.import_player("GIGN.mdl", "Name"), invalid);
    EXPECT_EQ(world.import_player("hostage.mdl", "bad/name").substr(0, 56),
              "That name cannot be a folder name: it holds one of the c");
    EXPECT_EQ(world.snapshot(), before);

    EXPECT_EQ(world.import_player("gign.MDL", "Ninja"), "confirmed");
    EXPECT_EQ(TestWorld::read(world.library_file("player/gign/Ninja/gign.MDL")), textured);
    EXPECT_EQ(TestWorld::read(world.library_file("player/gign/Ninja/gignT.mdl")), textures);
    EXPECT_EQ(world.import_player("gign.MDL", "Ninja"), "That name already exists.");
    EXPECT_EQ(world.import_player("hostage.mdl", "Ninja"), "confirmed"); // another type's name
}

TEST(ModelImport, AWeaponModelTakesEachOfItsFilesFromBesideThePickedOne) {
    ImportWorld world;
    for (const auto* file : {"v_ak47_r.mdl", "W_AK47.MDL", "p_ak47.mdl", "V_AWP.mdl", "vxak47.mdl",
                             "v.mdl", "v_m3.mdl", "v_awp.mdl"})
        TestWorld::write(world.downloads / file, file);
    // A model that keeps a sequence group in a file of its own goes with it, or not at all.
    const auto [grouped, group] = model_writer::tiny_model_in_two_files(false);
    TestWorld::write(world.downloads / "v_ak47.mdl", grouped);
    TestWorld::write(world.downloads / "V_AK4701.MDL", group);
    TestWorld::write(world.downloads / "p_awp.mdl", grouped);
    EXPECT_EQ(world.import_weapon("v_awp.mdl", "Gold"),
              "p_awp01.mdl is missing from " + world.downloads.string() +
                  ": the game loads the animations of sequence group 1 of p_awp.mdl from it and "
                  "stops without it, so nothing was imported.");

    EXPECT_EQ(world.import_weapon("v_ak47.mdl", "Gold"), "confirmed");
    EXPECT_EQ(TestWorld::files_in(world.library_file("weapon/ak47/Gold")),
              (Files{{"v_ak47.mdl", grouped},
                     {"v_ak4701.mdl", group},
                     {"v_ak47_r.mdl", "v_ak47_r.mdl"},
                     {"p_ak47.mdl", "p_ak47.mdl"},
                     {"w_ak47.mdl", "W_AK47.MDL"}}));

    // vxak47.mdl stands for ak47 too, but is not one of its files: copies, no confirmation.
    EXPECT_EQ(world.import_weapon("vxak47.mdl", "Silver"), "imported");
    EXPECT_TRUE(fs::exists(world.library_file("weapon/ak47/Silver/v_ak47_r.mdl")));

    // m3's picked file is its only file; a weapon the given names lack is refused.
    EXPECT_EQ(world.import_weapon("v_m3.mdl", "Gold"), "confirmed");
    EXPECT_EQ(world.import_weapon("v_m3.mdl", "Bronze", {}, {"ak47"}), invalid);
    for (const auto* refused : {"V_AWP.mdl", "v.mdl"}) // AWP is not awp
        EXPECT_EQ(world.import_weapon(refused, "Copper"), invalid) << refused;
    EXPECT_EQ(world.import_weapon("v_ak47_r.mdl", "Gold"), "That name already exists.");
    EXPECT_FALSE(fs::exists(world.library_file("weapon/ak47/Copper")));
    EXPECT_FALSE(fs::exists(world.library_file("weapon/awp/Gold")));
}

TEST(ArchiveSource, AnArchiveOpensLikeAFolderAndAWeaponIsImportedFromItWithItsCompanions) {
    PackWorld world;
    const auto top = world.listed(world.pack);
    ASSERT_EQ(top.messages().size(), 1u);
    EXPECT_TRUE(
        holds(platform::english(top.messages()[0]), "\n../evil.mdl: its path leads outside"));
    EXPECT_EQ(world.listed(world.models)->files, (Names{"v_ak47.mdl", "v_ak47t.mdl"}));
    EXPECT_FALSE(world.listed(world.pack / "missing"));

    const auto program = TestWorld::names_in(world.program);
    ASSERT_EQ(world.import_weapon("v_ak47.mdl", "Gold", world.models), "confirmed");
    EXPECT_EQ(TestWorld::files_in(world.library_file("weapon/ak47/Gold")),
              (Files{{"v_ak47.mdl", world.main},
                     {"v_ak47T.mdl", world.textures},
                     {"p_ak47.mdl", "p"},
                     {"w_ak47.mdl", "w"}}));
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

    const auto refused = world.import_player("gign.mdl", "Ninja", world.downloads / "player.7z");
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
    EXPECT_EQ(world.import_weapon("v_ak47.mdl", "Gold", world.models),
              platform::native_path(system_path(world.models)) +
                  " no longer holds v_ak47.mdl, w_ak47.mdl, p_ak47.mdl or v_ak47_r.mdl: the "
                  "archive has changed since Tessary listed it.");
    EXPECT_EQ(world.snapshot(), changed);
}

TEST(ModelImport, AModelOfItsOwnNameIsImportedAsTheGameFileItReplacesWithItsCompanions) {
    ImportWorld world;
    const auto [main, textures] = model_writer::tiny_model_in_two_files(true);
    TestWorld::write(world.downloads / "707.mdl", main);
    TestWorld::write(world.downloads / "707t.mdl", textures);
    TestWorld::write(world.downloads / "Pack.zip",
                     archive_of("zip", {{ArchiveItem::Kind::file, "Pack/707.MDL", main},
                                        {ArchiveItem::Kind::file, "Pack/707T.mdl", textures}}));
    const auto before = world.snapshot();
    // The import's own refusals, in its order; Import itself still refuses the name.
    EXPECT_EQ(world.import_player_as("", "", "gign"),
              "Please select a file before clicking import");
    EXPECT_EQ(world.import_player_as("707.mdl", "", "gign"), "Please enter a name for the model");
    EXPECT_TRUE(
        world.import_player_as("707.mdl", "a:b", "gign").starts_with("That name cannot be"));
    EXPECT_EQ(world.import_player_as("707t.mdl", "Hero", "gign"),
              "707t.mdl cannot be imported as gign.mdl: it is a texture file, which holds only "
              "the textures of a model, so nothing was imported.");
    // The game stops on a file that is no model, whatever it is called.
    for (const auto& [file, content] :
         {std::pair<std::string, std::string>{"empty.mdl", ""},
          {"Page.MDL", "<!DOCTYPE html><html></html>"},
          {"gign.mdl", archive_of("zip", {{ArchiveItem::Kind::file, "707.mdl", main}})}}) {
        TestWorld::write(world.downloads / file, content);
        EXPECT_EQ(world.import_player_as(file, "Hero", "gign"),
                  file + " cannot be imported as gign.mdl: it is no model (every model file "
                         "starts with IDST), and the game stops on it, so nothing was imported.");
        fs::remove(world.downloads / file);
    }
    EXPECT_EQ(world.import_player("707.mdl", "Hero"), invalid);
    EXPECT_EQ(world.snapshot(), before);

    EXPECT_EQ(world.import_player_as("707.mdl", "Hero", "gign"), "confirmed");
    EXPECT_EQ(
        world.import_player_as("707.MDL", "Hero", "vip", world.downloads / "Pack.zip" / "Pack"),
        "confirmed");
    for (const std::string type : {"gign", "vip"})
        EXPECT_EQ(TestWorld::files_in(world.library_file("player/" + type + "/Hero")),
                  (Files{{type + ".mdl", main}, {type + "T.mdl", textures}}));
    EXPECT_EQ(world.import_player_as("707.mdl", "Hero", "gign"), "That name already exists.");
}

TEST(ModelImport, AWeaponOfItsOwnNameBringsItsFilesAndItsGroupFileOnlyWhereTheGameFindsIt) {
    ImportWorld world;
    const auto [main, textures] = model_writer::tiny_model_in_two_files(true);
    TestWorld::write(world.downloads / "V_Balrog.mdl", main);
    TestWorld::write(world.downloads / "v_balrogT.mdl", textures);
    for (const auto* file : {"v_balrog_r.mdl", "p_balrog.mdl", "w_balrog.mdl", "vknife.mdl"})
        TestWorld::write(world.downloads / file, named_model(file).first);
    const Files filed{{"v_ak47.mdl", main},
                      {"v_ak47T.mdl", textures},
                      {"v_ak47_r.mdl", named_model("v_balrog_r.mdl").first},
                      {"p_ak47.mdl", named_model("p_balrog.mdl").first},
                      {"w_ak47.mdl", named_model("w_balrog.mdl").first}};
    // Either of the weapon's v_ files brings the others.
    for (const auto& [picked, model] :
         {std::pair{"V_Balrog.mdl", "Balrog"}, std::pair{"v_balrog_r.mdl", "Right"}}) {
        EXPECT_EQ(world.import_weapon_as(picked, model, "ak47"), "confirmed");
        EXPECT_EQ(TestWorld::files_in(world.library_file("weapon/ak47") / model), filed) << picked;
    }
    // A file not named as a weapon's goes alone, as the left model.
    EXPECT_EQ(world.import_weapon_as("vknife.mdl", "Plain", "knife"), "confirmed");
    EXPECT_EQ(TestWorld::names_in(world.library_file("weapon/knife/Plain")), Names{"v_knife.mdl"});

    // The game loads a group file from the path the model stores, whatever the model is called.
    // Messages name the files as they are spelt on disk.
    const auto [astray, astray_group] = named_model("v_mine.mdl", true);
    TestWorld::write(world.downloads / "V_MINE.MDL", astray);
    TestWorld::write(world.downloads / "V_MINE01.MDL", astray_group);
    TestWorld::write(world.downloads / "w_mine.mdl", astray);
    const auto before = world.snapshot();
    EXPECT_EQ(world.import_weapon_as("V_MINE.MDL", "Mine", "m4a1"),
              "V_MINE.MDL cannot be imported as v_m4a1.mdl: the game loads the animations of its "
              "sequence group 1 from models\\v_mine01.mdl, the path stored in the model, and under "
              "the new name it would have to be models\\v_m4a101.mdl, so nothing was imported.");
    EXPECT_EQ(world.import_weapon("V_MINE.MDL", "Mine", {}, {"MINE"}),
              "w_mine01.mdl is missing from " + world.downloads.string() +
                  ": the game loads the animations of sequence group 1 of w_mine.mdl from it and "
                  "stops without it, so nothing was imported.");
    EXPECT_EQ(world.snapshot(), before);
    // A group file beside the model under its own name, or under the name of the path the model
    // stores for it, which is where the game loads it from under the new name.
    const auto [found, group] = named_model("player/gign/gign.mdl", true);
    TestWorld::write(world.downloads / "707.mdl", found);
    TestWorld::write(world.downloads / "70701.mdl", group);
    TestWorld::write(world.downloads / "Pack.zip",
                     archive_of("zip", {{ArchiveItem::Kind::file, "707.mdl", found},
                                        {ArchiveItem::Kind::file, "GIGN01.MDL", group}}));
    for (const auto& [folder, model] :
         {std::pair{world.downloads, "Own"}, std::pair{world.downloads / "Pack.zip", "Stored"}}) {
        EXPECT_EQ(world.import_player_as("707.mdl", model, "gign", folder), "confirmed");
        EXPECT_EQ(TestWorld::read(world.library_file("player/gign") / model / "gign01.mdl"), group);
    }
}
