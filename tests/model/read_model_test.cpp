#include "read_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using model_writer::Description;

namespace {

std::array<std::uint8_t, 4> pixel(const model::Texture& texture, int x, int y) {
    const auto at = static_cast<std::size_t>((y * texture.width + x) * 4);
    return {texture.rgba[at], texture.rgba[at + 1], texture.rgba[at + 2], texture.rgba[at + 3]};
}

using Rgba = std::array<std::uint8_t, 4>;

} // namespace

TEST(ReadModel, ReadsTheSmallestModel) {
    const auto model = read_description(model_writer::tiny_model());
    ASSERT_TRUE(model.ok()) << model.messages().at(0);
    EXPECT_TRUE(model.messages().empty());
    EXPECT_EQ(model->name(), "test.mdl");
    EXPECT_EQ(model->bone_count(), 1);
    ASSERT_EQ(model->sequences().size(), 1u);
    const model::SequenceInfo& idle = model->sequences()[0];
    EXPECT_EQ(idle.name, "idle");
    EXPECT_EQ(idle.fps, 10);
    EXPECT_EQ(idle.frame_count, 3);
    EXPECT_TRUE(idle.looping);
    ASSERT_EQ(model->body_parts().size(), 1u);
    EXPECT_EQ(model->body_parts()[0].name, "body");
    EXPECT_EQ(model->body_parts()[0].choices, std::vector<std::string>{"quad"});
    EXPECT_EQ(model->skin_families(), 1);
    ASSERT_EQ(model->textures().size(), 1u);
    const model::Texture& texture = model->textures()[0];
    EXPECT_EQ(texture.name, "quad.bmp");
    EXPECT_EQ(texture.width, 8);
    EXPECT_EQ(texture.height, 8);
    EXPECT_FALSE(texture.masked || texture.chrome || texture.full_bright || texture.additive);
    EXPECT_EQ(pixel(texture, 0, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(pixel(texture, 1, 0), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(pixel(texture, 7, 6), (Rgba{255, 255, 255, 255}));
}

TEST(ReadModel, MakesIndex255OfAMaskedTextureTransparent) {
    Description description = model_writer::tiny_model();
    description.textures[0].pixels[9] = 255; // (1, 1)
    for (const bool masked : {false, true}) {
        description.textures[0].flags = masked ? model_writer::masked : 0;
        const auto model = read_description(description);
        ASSERT_TRUE(model.ok());
        const model::Texture& texture = model->textures()[0];
        EXPECT_EQ(texture.masked, masked);
        EXPECT_EQ(pixel(texture, 1, 1), (Rgba{0, 0, 255, std::uint8_t(masked ? 0 : 255)}));
        EXPECT_EQ(pixel(texture, 1, 0)[3], 255);
    }
}

TEST(ReadModel, DrawsTheTextureOfTheChosenSkinFamily) {
    const auto model = read_description(model_writer::two_skin_model());
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(model->skin_families(), 2);
    EXPECT_EQ(pixel(model->textures().at(1), 3, 3), (Rgba{255, 0, 0, 255}));
    for (const auto& [skin, texture] : {std::pair{0, 0}, {1, 1}, {5, 1}, {-1, 0}}) {
        model::Pose pose;
        pose.skin = skin;
        EXPECT_EQ(model->draw(pose).meshes.at(0).texture, texture) << "skin " << skin;
    }
}

TEST(ReadModel, SelectsBodyPartChoicesByBodyValue) {
    const auto model = read_description(model_writer::body_parts_model({1, 4, 2}));
    ASSERT_TRUE(model.ok());
    ASSERT_EQ(model->body_parts().size(), 3u);
    EXPECT_EQ(model->body_parts()[1].choices.size(), 4u);
    EXPECT_EQ(model->body_choices(0), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(model->body_choices(5), (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(model->body_choices(7), (std::vector<int>{0, 3, 1}));
    EXPECT_EQ(model->body_choices(8), (std::vector<int>{0, 0, 0}));

    // Choice n of a part lies n × 20 units along Y; a choice out of range counts as the last.
    model::Pose pose;
    pose.body_choices = {0, 9};
    const model::DrawList list = model->draw(pose);
    EXPECT_EQ(list.meshes.size(), 3u);
    EXPECT_FLOAT_EQ(list.min.y, -8);
    EXPECT_FLOAT_EQ(list.max.y, 8 + 3 * 20);
}

TEST(ReadModel, ReadsTexturesAndAnimationsFromCompanionFiles) {
    Description description = model_writer::tiny_model();
    description.texture_file = true;
    description.sequences[0].group = 1;
    model_writer::Files files = model_writer::write_model(description);
    const auto model = read_files(files);
    ASSERT_TRUE(model.ok()) << model.messages().at(0);
    EXPECT_EQ(model->textures().at(0).name, "quad.bmp");
    model::Pose pose{0, 1, {}, 0};
    EXPECT_NEAR(model->draw(pose).min.x, -8, 1e-4); // turned a quarter about Z

    const auto without_group = read_files({files.main, files.textures, {}});
    EXPECT_EQ(without_group.messages(),
              platform::Messages{"sequence group file test01.mdl is missing"});
    files.textures.clear();
    EXPECT_EQ(read_files(files).messages(),
              platform::Messages{"texture file testT.mdl is missing"});
}

namespace {

class TemporaryFolder final {
public:
    TemporaryFolder()
        : path(fs::temp_directory_path() /
               ("tessary-model-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(path);
    }
    ~TemporaryFolder() { fs::remove_all(path); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream(path / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return (path / name).string();
    }

    fs::path path;
};

} // namespace

TEST(LoadModel, FindsCompanionsWhateverTheirCase) {
    Description description = model_writer::tiny_model();
    description.name = "stored name.mdl"; // the file's own name names its companions
    description.texture_file = true;
    description.sequences[0].group = 1;
    const model_writer::Files files = model_writer::write_model(description);
    const TemporaryFolder folder;
    const std::string main = folder.write("orange.mdl", files.main);
    folder.write("oranget.mdl", files.textures);
    folder.write("ORANGE01.MDL", files.groups[0]);
    const auto model = model::load_model(main);
    ASSERT_TRUE(model.ok()) << model.messages().at(0);
    EXPECT_EQ(model->name(), "stored name.mdl");
    EXPECT_EQ(model->textures().size(), 1u);

    fs::remove(folder.path / "oranget.mdl");
    fs::create_directory(folder.path / "orangeT.mdl");
    EXPECT_EQ(model::load_model(main).messages(),
              platform::Messages{"texture file orangeT.mdl is missing"});
}

TEST(LoadModel, RefusesWhatIsNoModelFile) {
    const TemporaryFolder folder;
    const std::string empty = folder.write("empty.mdl", {});
    fs::create_directory(folder.path / "folder.mdl");
    const std::string folder_name = (folder.path / "folder.mdl").string();
    const std::string missing = (folder.path / "missing.mdl").string();
    EXPECT_EQ(model::load_model(empty).messages(), platform::Messages{"not a model file"});
    EXPECT_EQ(model::load_model(folder_name).messages(),
              platform::Messages{folder_name + " is a folder, not a model file"});
    EXPECT_EQ(model::load_model(missing).messages(), platform::Messages{missing + " is missing"});
}

TEST(ReadModel, PlaysSequencesInTime) {
    Description description = model_writer::tiny_model();
    description.sequences.push_back(description.sequences[0]);
    description.sequences[1].looping = false;
    description.sequences.push_back(description.sequences[0]);
    description.sequences[2].fps = 0;
    const auto model = read_description(description);
    ASSERT_TRUE(model.ok());
    const struct {
        int sequence;
        double seconds;
        float frame;
    } cases[] = {{0, 0.05, 0.5f}, {0, 0.2, 0}, {0, 0.25, 0.5f}, {0, -0.05, 1.5f},
                 {1, 0.25, 2},    {1, 9, 2},   {2, 1, 0},       {3, 1, 0}};
    for (const auto& c : cases)
        EXPECT_NEAR(model->frame_at(c.sequence, c.seconds), c.frame, 1e-5)
            << "sequence " << c.sequence << " at " << c.seconds << " s";
}
