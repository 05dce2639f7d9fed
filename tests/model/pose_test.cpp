#include "read_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numbers>
#include <set>

using model_writer::Description;

namespace {

// The quad's corners, told apart by their texture coordinates.
constexpr std::array<std::array<float, 2>, 4> corner_uvs{{{0, 1}, {0, 0}, {1, 1}, {1, 0}}};

int corner_of(const model::DrawVertex& vertex) {
    for (int corner = 0; corner < 4; ++corner)
        if (vertex.u == corner_uvs[corner][0] && vertex.v == corner_uvs[corner][1])
            return corner;
    return -1;
}

testing::AssertionResult quad_at(const model::DrawList& list,
                                 const std::array<model::Vec3, 4>& expected) {
    if (list.meshes.size() != 1)
        return testing::AssertionFailure() << list.meshes.size() << " meshes";
    for (const model::DrawVertex& vertex : list.meshes[0].vertices) {
        const int corner = corner_of(vertex);
        if (corner < 0)
            return testing::AssertionFailure()
                   << "a vertex at u " << vertex.u << ", v " << vertex.v;
        const model::Vec3& want = expected[corner];
        const model::Vec3& got = vertex.position;
        if (std::abs(got.x - want.x) > 1e-3 || std::abs(got.y - want.y) > 1e-3 ||
            std::abs(got.z - want.z) > 1e-3)
            return testing::AssertionFailure() << "corner " << corner << " at (" << got.x << ", "
                                               << got.y << ", " << got.z << ")";
    }
    return testing::AssertionSuccess();
}

constexpr std::array<model::Vec3, 4> as_stored{{{0, -8, 0}, {0, -8, 16}, {0, 8, 0}, {0, 8, 16}}};
constexpr std::array<model::Vec3, 4> quarter_turn{{{8, 0, 0}, {8, 0, 16}, {-8, 0, 0}, {-8, 0, 16}}};
constexpr float half = 5.656854f; // 8 × cos 45°

Description rolled_and_turned() {
    Description description = model_writer::tiny_model();
    description.bones[0].value[3] = std::numbers::pi_v<float> / 2;
    description.bones[0].value[5] = std::numbers::pi_v<float> / 2;
    return description;
}

} // namespace

TEST(Pose, PlacesTheQuadAsTheFormatTurnsIt) {
    const struct {
        const char* name;
        Description description;
        int sequence;
        float frame;
        std::array<model::Vec3, 4> expected;
    } cases[] = {
        {"reference pose", model_writer::tiny_model(), -1, 0, as_stored},
        {"frame 0", model_writer::tiny_model(), 0, 0, as_stored},
        {"frame 1", model_writer::tiny_model(), 0, 1, quarter_turn},
        {"frame 2 repeats the run's last sample", model_writer::tiny_model(), 0, 2, quarter_turn},
        {"frame past the end", model_writer::tiny_model(), 0, 7, quarter_turn},
        {"sequence past the end", model_writer::tiny_model(), 4, 1, quarter_turn},
        {"frame 0.5 halfway round",
         model_writer::tiny_model(),
         0,
         0.5f,
         {{{half, -half, 0}, {half, -half, 16}, {-half, half, 0}, {-half, half, 16}}}},
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
        EXPECT_TRUE(quad_at(model->draw({c.sequence, c.frame, {}, 0}), c.expected)) << c.name;
    }
}

TEST(Pose, ReadsSamplesAcrossRuns) {
    // The tiny model with its X position animated through two runs: (1 sample, 2 frames) of 256,
    // then (1 sample, 1 frame) of 512, appended to the file: X = 1, 1, 2 units.
    std::vector<std::uint8_t> bytes = model_writer::write_model(model_writer::tiny_model()).main;
    const std::uint16_t distance = 1884 - 636;
    std::memcpy(bytes.data() + 636, &distance, 2);
    bytes.insert(bytes.end(), {1, 2, 0x00, 0x01, 1, 1, 0x00, 0x02});
    const std::int32_t length = 1892;
    std::memcpy(bytes.data() + 72, &length, 4);
    const auto model = read_files({bytes, {}, {}});
    ASSERT_TRUE(model.ok()) << model.messages().at(0);
    const auto moved = [](std::array<model::Vec3, 4> corners, float x) {
        for (model::Vec3& corner : corners)
            corner.x += x;
        return corners;
    };
    EXPECT_TRUE(quad_at(model->draw({0, 0, {}, 0}), moved(as_stored, 1)));
    EXPECT_TRUE(quad_at(model->draw({0, 1, {}, 0}), moved(quarter_turn, 1)));
    EXPECT_TRUE(quad_at(model->draw({0, 2, {}, 0}), moved(quarter_turn, 2)));
}

TEST(Pose, WindsFrontFacesCounterClockwiseFromOutside) {
    using Corners = std::set<std::set<int>>;
    for (const auto& [description, split] :
         {std::pair{model_writer::tiny_model(), Corners{{0, 1, 2}, {1, 2, 3}}},
          std::pair{model_writer::fan_model(), Corners{{0, 1, 3}, {0, 2, 3}}}}) {
        const auto model = read_description(description);
        ASSERT_TRUE(model.ok());
        const model::DrawMesh mesh = model->draw({}).meshes.at(0);
        ASSERT_EQ(mesh.triangles.size(), 2u);
        Corners corners;
        for (const auto& triangle : mesh.triangles) {
            const model::Vec3& a = mesh.vertices.at(triangle[0]).position;
            const model::Vec3& b = mesh.vertices.at(triangle[1]).position;
            const model::Vec3& c = mesh.vertices.at(triangle[2]).position;
            // The quad faces +X: the X part of (b - a) × (c - a) is positive.
            EXPECT_GT((b.y - a.y) * (c.z - a.z) - (b.z - a.z) * (c.y - a.y), 0);
            corners.insert({corner_of(mesh.vertices[triangle[0]]),
                            corner_of(mesh.vertices[triangle[1]]),
                            corner_of(mesh.vertices[triangle[2]])});
        }
        EXPECT_EQ(corners, split);
    }
}

TEST(Pose, DrawsBonesFromTheirParents) {
    const auto model = read_description(model_writer::chained_model(3));
    ASSERT_TRUE(model.ok());
    const model::DrawList list = model->draw({});
    ASSERT_EQ(list.bones.size(), 3u);
    EXPECT_EQ(list.bones[1].from.z, 0);
    EXPECT_EQ(list.bones[1].to.z, 4);
    EXPECT_EQ(list.bones[2].from.z, 4);
    EXPECT_EQ(list.bones[2].to.z, 8);
    EXPECT_EQ(list.min.z, 0);
    EXPECT_EQ(list.max.z, 16);
}
