#include "core/changes/model_import.h"
#include "model_writer.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const std::string invalid =
    "Inavaild model name. The name of the model must match those that CS currently uses";

struct ImportWorld : TestWorld {
    ImportWorld() { make_library(); }

    // The import's messages, or "imported" and whether it confirmed.
    std::string import_player(const std::string& file, const std::string& model) {
        return said(core::import_player_model(library, {source_folder(downloads), file, model}));
    }
    std::string import_weapon(const std::string& file, const std::string& model,
                              const std::vector<std::string>& weapons = delivered_weapons()) {
        return said(
            core::import_weapon_model(library, {source_folder(downloads), file, model}, weapons));
    }
    static std::string said(const platform::Result<core::Imported>& imported) {
        if (!imported)
            return imported.messages().at(0);
        return imported->confirmed ? "confirmed" : "imported";
    }

    fs::path downloads = root / "Down loads";
};

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
    EXPECT_EQ(world.import_player("hostage.mdl", "bad/name").substr(0, 31),
              "A name cannot hold any of the c");
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
    EXPECT_EQ(TestWorld::read(world.library_file("weapon/ak47/Gold/v_ak4701.mdl")), group);
    for (const auto* file : {"v_ak47_r.mdl", "p_ak47.mdl"})
        EXPECT_EQ(TestWorld::read(world.library_file(std::string("weapon/ak47/Gold/") + file)),
                  file);
    EXPECT_EQ(TestWorld::read(world.library_file("weapon/ak47/Gold/w_ak47.mdl")), "W_AK47.MDL");

    // vxak47.mdl stands for ak47 too, but is not one of its files: copies, no confirmation.
    EXPECT_EQ(world.import_weapon("vxak47.mdl", "Silver"), "imported");
    EXPECT_TRUE(fs::exists(world.library_file("weapon/ak47/Silver/v_ak47_r.mdl")));

    // m3's picked file is its only file; a weapon the given names lack is refused.
    EXPECT_EQ(world.import_weapon("v_m3.mdl", "Gold"), "confirmed");
    EXPECT_EQ(world.import_weapon("v_m3.mdl", "Bronze", {"ak47"}), invalid);
    for (const auto* refused : {"V_AWP.mdl", "v.mdl"}) // AWP is not awp
        EXPECT_EQ(world.import_weapon(refused, "Copper"), invalid) << refused;
    EXPECT_EQ(world.import_weapon("v_ak47_r.mdl", "Gold"), "That name already exists.");
    EXPECT_FALSE(fs::exists(world.library_file("weapon/ak47/Copper")));
    EXPECT_FALSE(fs::exists(world.library_file("weapon/awp/Gold")));
}
