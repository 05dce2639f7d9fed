#include "model_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numbers>
#include <utility>

namespace {

using Bytes = std::vector<std::uint8_t>;

template <typename T> void put(Bytes& bytes, std::size_t at, std::initializer_list<T> values) {
    for (const T value : values)
        std::memcpy(bytes.data() + std::exchange(at, at + sizeof value), &value, sizeof value);
}
void put(Bytes& bytes, std::size_t at, const char* text) {
    std::memcpy(bytes.data() + at, text, std::strlen(text));
}

// The smallest model, written out field by field at its fields' offsets.
Bytes recipe_bytes() {
    Bytes bytes(1884);
    put(bytes, 0, "IDST");
    put(bytes, 8, "test.mdl");
    for (const auto& [at, value] : std::initializer_list<std::pair<std::size_t, std::int32_t>>{
             {4, 10},    {72, 1884},  {140, 1},   {144, 244},  {164, 1},   {168, 356}, {172, 1},
             {176, 532}, {180, 1},    {184, 968}, {188, 1052}, {192, 1},   {196, 1},   {200, 1048},
             {204, 1},   {208, 656},  {276, -1},  {284, -1},   {288, -1},  {292, -1},  {296, -1},
             {300, -1},  {304, -1},   {392, 1},   {412, 3},    {476, 1},   {480, 636}, {720, 1},
             {724, 1},   {728, 732},  {804, 1},   {808, 912},  {812, 4},   {816, 844}, {820, 852},
             {824, 1},   {828, 848},  {832, 900}, {912, 2},    {916, 932}, {924, 1},   {1036, 8},
             {1040, 8},  {1044, 1052}})
        put(bytes, at, {value});
    put(bytes, 244, "root");
    constexpr float pi = std::numbers::pi_v<float>;
    put<float>(bytes, 332, {1 / 256.0f, 1 / 256.0f, 1 / 256.0f, pi / 8192, pi / 8192, pi / 8192});
    put(bytes, 356, "idle");
    put<float>(bytes, 388, {10});
    put<float>(bytes, 452, {-8, -8, 0, 8, 8, 16});
    put<float>(bytes, 500, {1});
    put(bytes, 532, "default");
    put<std::int16_t>(bytes, 646, {12, 0x0302, 0, 4096});
    put(bytes, 656, "body");
    put(bytes, 732, "quad");
    put<float>(bytes, 852, {0, -8, 0, 0, -8, 16, 0, 8, 0, 0, 8, 16, 1, 0, 0});
    put<std::int16_t>(bytes, 932, {4, 0, 0, 0, 8, 1, 0, 0, 0, 2, 0, 8, 8, 3, 0, 8, 0, 0});
    put(bytes, 968, "quad.bmp");
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            bytes[1052 + y * 8 + x] = static_cast<std::uint8_t>((x + y) % 2);
    bytes[1119] = bytes[1120] = bytes[1121] = 255;
    bytes[1883] = 255;
    return bytes;
}

} // namespace

TEST(ModelWriter, WritesTheSmallestModelAndItsCompanionsByteForByte) {
    const Bytes bytes = recipe_bytes();
    auto description = model_writer::tiny_model();
    const auto files = model_writer::write_model(description);
    ASSERT_EQ(files.main.size(), bytes.size());
    for (std::size_t at = 0; at < bytes.size(); ++at)
        ASSERT_EQ(files.main[at], bytes[at]) << "at offset " << at;

    // Moved out, the pixels start the texture file's at 328, the animation the group file's at 76.
    description.texture_file = true;
    description.sequences[0].in_group_file = true;
    const auto moved = model_writer::write_model(description);
    ASSERT_EQ(moved.textures.size(), 1160u);
    EXPECT_TRUE(std::equal(bytes.begin() + 1052, bytes.end(), moved.textures.begin() + 328));
    ASSERT_EQ(moved.group.size(), 94u);
    EXPECT_EQ(std::memcmp(moved.group.data(), "IDSQ", 4), 0);
    EXPECT_TRUE(std::equal(bytes.begin() + 636, bytes.begin() + 654, moved.group.begin() + 76));
}
