#include "read_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>
#include <random>

namespace fs = std::filesystem;

namespace {

using Rgba = std::array<std::uint8_t, 4>;

Rgba pixel(const model::Texture& texture, int x, int y) {
    const auto at = static_cast<std::size_t>((y * texture.width + x) * 4);
    return {texture.rgba[at], texture.rgba[at + 1], texture.rgba[at + 2], texture.rgba[at + 3]};
}

} // namespace

TEST(ReadModel, ReadsTheSmallestModel) {
    const auto model = read_description(model_writer::tiny_model());
    ASSERT_TRUE(model.ok()) << model.messages().at(0);
    EXPECT_TRUE(model.messages().empty());
    EXPECT_EQ(model->name(), "test.mdl");
    EXPECT_EQ(model->bone_count(), 1);
    ASSERT_EQ(model->sequences().size(), 1u);
    const model::SequenceInfo& idle = model->sequences()[0];
    EXPECT_EQ(std::tie(idle.name, idle.fps, idle.frame_count, idle.looping),
              std::tuple("idle", 10.0f, 3, true));
    ASSERT_EQ(model->body_parts().size(), 1u);
    EXPECT_EQ(model->body_parts()[0].name, "body");
    EXPECT_EQ(model->body_parts()[0].choices, std::vector<std::string>{"quad"});
    EXPECT_EQ(model->skin_families(), 1);
    ASSERT_EQ(model->textures().size(), 1u);
    const model::Texture& texture = model->textures()[0];
    EXPECT_EQ(std::tie(texture.name, texture.width, texture.height), std::tuple("quad.bmp", 8, 8));
    EXPECT_EQ(pixel(texture, 0, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(pixel(texture, 1, 0), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(pixel(texture, 7, 6), (Rgba{255, 255, 255, 255}));
}

TEST(ReadModel, MakesIndex255OfAMaskedTextureTransparent) {
    model_writer::Description description = model_writer::tiny_model();
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
    for (const auto& [skin, texture] : {std::pair{0, 0}, {1, 1}, {5, 1}, {-1, 0}})
        EXPECT_EQ(model->draw({-1, 0, {}, skin}).meshes.at(0).texture, texture) << skin;
}

TEST(ReadModel, SelectsBodyPartChoicesByBodyValue) {
    const auto model = read_description(model_writer::body_parts_model({1, 4, 2}));
    ASSERT_TRUE(model.ok());
    ASSERT_EQ(model->body_parts().size(), 3u);
    EXPECT_EQ(model->body_parts()[1].choices.size(), 4u);
    for (const auto& [value, choices] :
         {std::pair{0, std::vector{0, 0, 0}}, {5, {0, 1, 1}}, {7, {0, 3, 1}}, {8, {0, 0, 0}}})
        EXPECT_EQ(model->body_choices(value), choices) << value;

    // Choice n of a part lies n × 20 units along Y; a choice out of range counts as the last.
    const model::DrawList list = model->draw({-1, 0, {0, 9}, 0});
    EXPECT_EQ(list.meshes.size(), 3u);
    EXPECT_FLOAT_EQ(list.min.y, -8);
    EXPECT_FLOAT_EQ(list.max.y, 8 + 3 * 20);
}

TEST(LoadModel, FindsCompanionsBesideTheFileWhateverTheirCase) {
    model_writer::Description description = model_writer::tiny_model();
    description.name = "stored name.mdl"; // the file's own name names its companions
    description.texture_file = true;
    description.sequences[0].in_group_file = true;
    const model_writer::Files files = model_writer::write_model(description);
    const fs::path folder =
        fs::temp_directory_path() / ("tessary-model-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    const std::shared_ptr<void> removed(nullptr, [&](void*) { fs::remove_all(folder); });
    const auto write = [&](const char* name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    };
    write("orange.mdl", files.main);
    write("oranget.mdl", files.textures);
    write("ORANGE01.MDL", files.group);
    const std::string main = (folder / "orange.mdl").string();
    const auto model = model::load_model(main);
    ASSERT_TRUE(model.ok()) << model.messages().at(0);
    EXPECT_EQ(model->name(), "stored name.mdl");
    EXPECT_EQ(model->textures().at(0).name, "quad.bmp");
    EXPECT_NEAR(model->draw({0, 1, {}, 0}).min.x, -8, 1e-4); // turned a quarter about Z

    fs::remove(folder / "ORANGE01.MDL");
    EXPECT_EQ(model::load_model(main).messages(),
              platform::Messages{"sequence group file orange01.mdl is missing"});
    fs::remove(folder / "oranget.mdl");
    fs::create_directory(folder / "orangeT.mdl");
    EXPECT_EQ(model::load_model(main).messages(),
              platform::Messages{"texture file orangeT.mdl is missing"});
    EXPECT_EQ(
        model::load_model((folder / "orangeT.mdl").string()).messages(),
        platform::Messages{(folder / "orangeT.mdl").string() + " is a folder, not a model file"});
    EXPECT_EQ(model::load_model((folder / "gone.mdl").string()).messages(),
              platform::Messages{(folder / "gone.mdl").string() + " is missing"});
}

namespace {

using Bytes = std::vector<std::uint8_t>;

template <typename T> std::function<void(Bytes&)> put(std::size_t at, T value) {
    return [=](Bytes& bytes) { std::memcpy(bytes.data() + at, &value, sizeof value); };
}

} // namespace

// The smallest model with one thing wrong at a time, at the offsets the format's recipe fixes.
TEST(Refusal, RefusesEachDamageWithItsReason) {
    const struct {
        std::function<void(Bytes&)> damage;
        const char* reason;
    } cases[] = {
        {put(0, 'X'), "not a model file"},
        {put(4, 44), "model version 44 is not supported"},
        {[](Bytes& bytes) { bytes.resize(1000); }, "it ends after 1000 of its 1884 bytes"},
        {put(140, 0x7FFFFFFF), "it counts 2147483647 bones, more than the 128"},
        {put(276, 0), "bone 0 names itself as its parent"},
        {put(276, 1), "bone 0 names bone 1 as its parent"},
        {put(844, std::uint8_t{1}), "vertex 0 of model quad follows bone 1 of 1"},
        {put(934, std::int16_t{4}), "a triangle of model quad names vertex 4 of 4"},
        {put(936, std::int16_t{1}), "a triangle of model quad names normal 1 of 1"},
        {put(932, std::int16_t{-32768}), "the triangles of model quad run past the end"},
        {put(932, std::int16_t{2}), "a command of fewer than 3 corners"},
        {put(966, std::int16_t{1}), "a command of fewer than 3 corners"},
        {put(1036, 100000), "texture quad.bmp is 100000 by 8 pixels"},
        {put(1044, 1880), "it ends inside the pixels of texture quad.bmp"},
        {put(1048, std::int16_t{1}), "skin family 0 names texture 1 of 1"},
        {put(920, 1), "mesh 0 of model quad names skin reference 1 of 1"},
        {put(648, std::uint16_t{0x0002}), "bone 0 in sequence idle has a run of no frames"},
        {put(648, std::uint16_t{0x0203}), "has a run of 3 samples for 2 frames"},
        {put(646, std::uint16_t{0xFFFF}), "bone 0 in sequence idle runs past the end"},
        {put(512, 1), "sequence idle names group 1 of 1"},
        {put(724, 0), "body part body has a base of 0"},
        {put(720, 0), "body part body has no models"},
        {put(852, std::numeric_limits<float>::quiet_NaN()),
         "vertex 0 of model quad has a coordinate that is not a number"},
    };
    const Bytes tiny = model_writer::write_model(model_writer::tiny_model()).main;
    for (const auto& c : cases) {
        Bytes bytes = tiny;
        c.damage(bytes);
        const auto model = read_bytes(bytes);
        ASSERT_FALSE(model.ok()) << c.reason;
        ASSERT_EQ(model.messages().size(), 1u);
        EXPECT_NE(model.messages()[0].find(c.reason), std::string::npos)
            << model.messages()[0] << "\ndoes not tell: " << c.reason;
    }
}
