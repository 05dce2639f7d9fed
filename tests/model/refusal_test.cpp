#include "read_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>

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
        const auto model = read_files({bytes, {}, {}});
        ASSERT_FALSE(model.ok()) << c.reason;
        ASSERT_EQ(model.messages().size(), 1u);
        EXPECT_NE(model.messages()[0].find(c.reason), std::string::npos)
            << model.messages()[0] << "\ndoes not tell: " << c.reason;
    }
}
