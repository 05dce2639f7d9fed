#include "read_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <ostream>
#include <set>
#include <tuple>

namespace model {
std::ostream& operator<<(std::ostream& out, const Vec3& v) {
    return out << '(' << v.x << ", " << v.y << ", " << v.z << ')';
}
} // namespace model

namespace {

using Quad = std::array<model::Vec3, 4>;

// Which of the quad's stored corners a vertex is, told by its texture coordinates: (0, 1),
// (0, 0), (1, 1), (1, 0).
std::size_t corner_of(const model::DrawVertex& vertex) {
    return static_cast<std::size_t>(std::lround(2 * vertex.u + 1 - vertex.v));
}

Quad corners(const model::DrawList& list) {
    Quad found{};
    for (const model::DrawVertex& vertex : list.meshes.at(0).vertices)
        found.at(corner_of(vertex)) = vertex.position;
    return found;
}

bool near(const Quad& got, const Quad& want) {
    for (std::size_t i = 0; i < 4; ++i)
        if (std::abs(got[i].x - want[i].x) > 1e-3 || std::abs(got[i].y - want[i].y) > 1e-3 ||
            std::abs(got[i].z - want[i].z) > 1e-3)
            return false;
    return true;
}

constexpr Quad as_stored{{{0, -8, 0}, {0, -8, 16}, {0, 8, 0}, {0, 8, 16}}};
constexpr Quad quarter_turn{{{8, 0, 0}, {8, 0, 16}, {-8, 0, 0}, {-8, 0, 16}}};
constexpr float half = 5.656854f; // 8 × cos 45°

model_writer::Description rolled_and_turned() {
    model_writer::Description description = model_writer::tiny_model();
    description.bones[0].value[3] = description.bones[0].value[5] = std::numbers::pi_v<float> / 2;
    return description;
}

} // namespace

TEST(Pose, PlacesTheQuadAsTheFormatTurnsIt) {
    const struct {
        const char* name;
        model_writer::Description description;
        int sequence;
        float frame;
        Quad expected;
    } cases[] = {
        {"reference pose", model_writer::tiny_model(), -1, 0, as_stored},
        {"frame 1", model_writer::tiny_model(), 0, 1, quarter_turn},
        {"frame 0.5 halfway round",
         model_writer::tiny_model(),
         0,
         0.5f,
         {{{half, -half, 0}, {half, -half, 16}, {-half, half, 0}, {-half, half, 16}}}},
        {"frame past the end", model_writer::tiny_model(), 0, 7, quarter_turn},
        {"sequence past the end", model_writer::tiny_model(), 4, 1, quarter_turn},
        {"roll about X before yaw about Z",
         rolled_and_turned(),
         -1,
         0,
         {{{0, 0, -8}, {16, 0, -8}, {0, 0, 8}, {16, 0, 8}}}},
        {"a chain of bones turned at its root", model_writer::chained_model(3), 0, 1, quarter_turn},
    };
    for (const auto& c : cases) {
        const auto model = read_description(c.description);
        ASSERT_TRUE(model.ok()) << c.name << ": " << model.messages().at(0);
        EXPECT_PRED2(near, corners(model->draw({c.sequence, c.frame, {}, 0})), c.expected)
            << c.name;
    }
}

TEST(Pose, ReadsSamplesAcrossRuns) {
    // X animated through two runs appended to the file: (1 sample, 2 frames) of 256, then
    // (1 sample, 1 frame) of 512: X = 1, 1, 2 units. ZR repeats its run's last sample at frame 2.
    std::vector<std::uint8_t> bytes = model_writer::write_model(model_writer::tiny_model()).main;
    const std::uint16_t distance = 1884 - 636;
    std::memcpy(bytes.data() + 636, &distance, 2);
    bytes.insert(bytes.end(), {1, 2, 0x00, 0x01, 1, 1, 0x00, 0x02});
    const std::int32_t length = 1892;
    std::memcpy(bytes.data() + 72, &length, 4);
    const auto model = read_bytes(bytes);
    ASSERT_TRUE(model.ok()) << model.messages().at(0);
    for (auto [frame, x, expected] :
         {std::tuple{0, 1.0f, as_stored}, {1, 1.0f, quarter_turn}, {2, 2.0f, quarter_turn}}) {
        for (model::Vec3& corner : expected)
            corner.x += x;
        EXPECT_PRED2(near, corners(model->draw({0, static_cast<float>(frame), {}, 0})), expected)
            << "frame " << frame;
    }
}

TEST(Pose, WindsFrontFacesCounterClockwiseFromOutside) {
    model_writer::Description fan = model_writer::tiny_model();
    fan.body_parts[0].models[0].meshes[0] = {
        {true, {{0, 0, 0, 8}, {1, 0, 0, 0}, {3, 0, 8, 0}, {2, 0, 8, 8}}}};
    using Corners = std::set<std::set<std::size_t>>;
    for (const auto& [description, split] :
         {std::pair{model_writer::tiny_model(), Corners{{0, 1, 2}, {1, 2, 3}}},
          std::pair{fan, Corners{{0, 1, 3}, {0, 2, 3}}}}) {
        const auto model = read_description(description);
        ASSERT_TRUE(model.ok());
        const model::DrawMesh mesh = model->draw({}).meshes.at(0);
        ASSERT_EQ(mesh.triangles.size(), 2u);
        Corners found;
        for (const auto& triangle : mesh.triangles) {
            const model::Vec3& a = mesh.vertices.at(triangle[0]).position;
            const model::Vec3& b = mesh.vertices.at(triangle[1]).position;
            const model::Vec3& c = mesh.vertices.at(triangle[2]).position;
            // The quad faces +X: the X part of (b - a) × (c - a) is positive.
            EXPECT_GT((b.y - a.y) * (c.z - a.z) - (b.z - a.z) * (c.y - a.y), 0);
            found.insert({corner_of(mesh.vertices[triangle[0]]),
                          corner_of(mesh.vertices[triangle[1]]),
                          corner_of(mesh.vertices[triangle[2]])});
        }
        EXPECT_EQ(found, split);
    }
}

TEST(Pose, DrawsEachBoneFromItsParent) {
    const auto model = read_description(model_writer::chained_model(3));
    ASSERT_TRUE(model.ok());
    const std::vector<model::BoneLine> bones = model->draw({}).bones;
    ASSERT_EQ(bones.size(), 3u);
    EXPECT_EQ(std::pair(bones[1].from.z, bones[1].to.z), std::pair(0.0f, 4.0f));
    EXPECT_EQ(std::pair(bones[2].from.z, bones[2].to.z), std::pair(4.0f, 8.0f));
}

TEST(Pose, PlaysSequencesInTime) {
    model_writer::Description description = model_writer::tiny_model();
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
