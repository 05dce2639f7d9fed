#include "model_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// The smallest model, field by field at the offsets the format's recipe fixes.
std::vector<std::uint8_t> recipe_bytes() {
    std::vector<std::uint8_t> bytes(1884);
    const auto put = [&](std::size_t at, auto value) {
        std::memcpy(bytes.data() + at, &value, sizeof value);
    };
    const auto put_text = [&](std::size_t at, const char* text) {
        std::memcpy(bytes.data() + at, text, std::strlen(text));
    };
    const auto put_i16s = [&](std::size_t at, std::initializer_list<std::int16_t> values) {
        for (const std::int16_t value : values)
            put(std::exchange(at, at + 2), value);
    };
    const auto put_floats = [&](std::size_t at, std::initializer_list<float> values) {
        for (const float value : values)
            put(std::exchange(at, at + 4), value);
    };
    put_text(0, "IDST");
    put_text(8, "test.mdl");
    for (const auto& [at, value] : std::initializer_list<std::pair<std::size_t, std::int32_t>>{
             {4, 10},    {72, 1884},  {140, 1},   {144, 244},  {164, 1},   {168, 356}, {172, 1},
             {176, 532}, {180, 1},    {184, 968}, {188, 1052}, {192, 1},   {196, 1},   {200, 1048},
             {204, 1},   {208, 656},  {276, -1},  {284, -1},   {288, -1},  {292, -1},  {296, -1},
             {300, -1},  {304, -1},   {392, 1},   {412, 3},    {476, 1},   {480, 636}, {720, 1},
             {724, 1},   {728, 732},  {804, 1},   {808, 912},  {812, 4},   {816, 844}, {820, 852},
             {824, 1},   {828, 848},  {832, 900}, {912, 2},    {916, 932}, {924, 1},   {1036, 8},
             {1040, 8},  {1044, 1052}})
        put(at, value);
    put_text(244, "root");
    const float pi = std::acos(-1.0f);
    put_floats(332, {1 / 256.0f, 1 / 256.0f, 1 / 256.0f, pi / 8192, pi / 8192, pi / 8192});
    put_text(356, "idle");
    put_floats(388, {10});
    put_floats(452, {-8, -8, 0, 8, 8, 16});
    put_floats(500, {1});
    put_text(532, "default");
    put(646, std::uint16_t{12});
    put_i16s(648, {0x0302, 0, 4096});
    put_text(656, "body");
    put_text(732, "quad");
    put_floats(852, {0, -8, 0, 0, -8, 16, 0, 8, 0, 0, 8, 16, 1, 0, 0});
    put_i16s(932, {4, 0, 0, 0, 8, 1, 0, 0, 0, 2, 0, 8, 8, 3, 0, 8, 0, 0});
    put_text(968, "quad.bmp");
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            bytes[1052 + y * 8 + x] = static_cast<std::uint8_t>((x + y) % 2);
    bytes[1119] = bytes[1120] = bytes[1121] = 255;
    bytes[1883] = 255;
    return bytes;
}

} // namespace

TEST(ModelWriter, WritesTheSmallestModelByteForByte) {
    const auto files = model_writer::write_model(model_writer::tiny_model());
    const auto expected = recipe_bytes();
    ASSERT_EQ(files.main.size(), expected.size());
    for (std::size_t at = 0; at < expected.size(); ++at)
        ASSERT_EQ(files.main[at], expected[at]) << "at offset " << at;
    EXPECT_TRUE(files.textures.empty());
    EXPECT_TRUE(files.groups.empty());
}

TEST(ModelWriter, MovesTexturesAndAnimationsToCompanionFiles) {
    auto description = model_writer::tiny_model();
    description.texture_file = true;
    description.sequences[0].group = 1;
    const auto files = model_writer::write_model(description);
    const auto expected = recipe_bytes();
    ASSERT_EQ(files.textures.size(), 1160u);
    EXPECT_TRUE(std::equal(expected.begin() + 1052, expected.end(), files.textures.begin() + 328));
    ASSERT_EQ(files.groups.size(), 1u);
    ASSERT_EQ(files.groups[0].size(), 94u);
    EXPECT_EQ(std::memcmp(files.groups[0].data(), "IDSQ", 4), 0);
    EXPECT_TRUE(
        std::equal(expected.begin() + 636, expected.begin() + 654, files.groups[0].begin() + 76));
}
