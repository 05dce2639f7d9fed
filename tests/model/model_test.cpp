// The reader of the game's model files, and what the game and servers make of a file.
#include "model/companions.h"
#include "model/field_text.h"
#include "model/server_check.h"
#include "model/server_check_words.h"
#include "model/studio_model.h"
#include "model_writer.h"
#include "said.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
#include <numbers>
#include <optional>
#include <set>
#include <tuple>

namespace fs = std::filesystem;
using model::StudioKind;
using model::Verdict;
using model_writer::Description;
using model_writer::tiny_model;
using model_writer::with;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Rgba = std::array<std::uint8_t, 4>;
using Quad = std::array<model::Vec3, 4>;

Bytes write(const Description& description) {
    return model_writer::write_model(description).main;
}

// A main file read as test.mdl, with no companion files beside it.
platform::Result<model::StudioModel> read(const Bytes& bytes) {
    return model::read_model(bytes, {}, "test.mdl");
}
platform::Result<model::StudioModel> read(const Description& description) {
    return read(write(description));
}

Rgba pixel(const model::Texture& texture, int x, int y) {
    const auto argb = model::colours_of(
        texture)[texture.indices[static_cast<std::size_t>(y * texture.width + x)]];
    const auto channel = [argb](int shift) { return static_cast<std::uint8_t>(argb >> shift); };
    return {channel(16), channel(8), channel(0), channel(24)};
}

// Which of the quad's stored corners a vertex is, told by its texture coordinates: (0, 1),
// (0, 0), (1, 1), (1, 0).
std::size_t corner_of(const model::DrawVertex& vertex) {
    return static_cast<std::size_t>(std::lround(2 * vertex.u + 1 - vertex.v));
}

void expect_quad(const model::DrawList& list, const Quad& expected, const std::string& what) {
    for (const model::DrawVertex& vertex : list.meshes.at(0).vertices) {
        const model::Vec3 want = expected.at(corner_of(vertex));
        const model::Vec3 got = vertex.position;
        EXPECT_LT(std::abs(got.x - want.x) + std::abs(got.y - want.y) + std::abs(got.z - want.z),
                  1e-3)
            << what << ": corner " << corner_of(vertex) << " at " << got.x << ", " << got.y << ", "
            << got.z;
    }
}

constexpr Quad as_stored{{{0, -8, 0}, {0, -8, 16}, {0, 8, 0}, {0, 8, 16}}};
constexpr Quad quarter_turn{{{8, 0, 0}, {8, 0, 16}, {-8, 0, 0}, {-8, 0, 16}}};

// The tiny model whose sequence turns only in a second blend set, a quarter about Z at every frame.
Description blended_model() {
    Description blended = tiny_model();
    auto& still = blended.sequences[0].animation;
    still[0][5] = {0, 0, 0};
    auto turned = still;
    turned[0][5] = {4096, 4096, 4096};
    blended.sequences[0].more_blends = {turned};
    return blended;
}

auto corners(const model::Box& box) {
    return std::tuple(box.min.x, box.min.y, box.min.z, box.max.x, box.max.y, box.max.z);
}

// The tiny model, whose bone stays at the origin, with its vertices at two corners.
Bytes spanning(const std::array<float, 6>& c) {
    Description description = tiny_model();
    description.body_parts[0].models[0].vertices = {{c[0], c[1], c[2]}, {c[3], c[4], c[5]}};
    return write(description);
}

// In the tiny model: the sequence's animation index, the X channel of its first record, the body
// part's models.
constexpr std::size_t animation_index = 480, x_channel = 636, part_models = 728;

} // namespace

TEST(ReadModel, ReadsTheSmallestModelWithIndex255OfAMaskedTextureTransparent) {
    Description description = tiny_model();
    description.textures[0].pixels[9] = 255; // (1, 1), blue in the palette
    for (const bool masked : {false, true}) {
        description.textures[0].flags = masked ? 0x40 : 0;
        const auto model = read(description);
        ASSERT_TRUE(model.ok()) << model.messages().at(0);
        EXPECT_TRUE(model.messages().empty());
        EXPECT_EQ(std::tuple(model->name(), model->bone_count(), model->skin_families()),
                  std::tuple("test.mdl", 1, 1));
        ASSERT_EQ(model->sequences().size(), 1u);
        const model::SequenceInfo& idle = model->sequences()[0];
        EXPECT_EQ(std::tie(idle.name, idle.fps, idle.frame_count, idle.looping),
                  std::tuple("idle", 10.0f, 3, true));
        ASSERT_EQ(model->body_parts().size(), 1u);
        EXPECT_EQ(std::tie(model->body_parts()[0].name, model->body_parts()[0].choices),
                  std::tuple("body", std::vector<std::string>{"quad"}));
        ASSERT_EQ(model->textures().size(), 1u);
        const model::Texture& texture = model->textures()[0];
        EXPECT_EQ(std::tie(texture.name, texture.width, texture.height, texture.masked),
                  std::tuple("quad.bmp", 8, 8, masked));
        EXPECT_EQ(pixel(texture, 0, 0), (Rgba{0, 0, 0, 255}));
        EXPECT_EQ(pixel(texture, 1, 0), (Rgba{255, 255, 255, 255}));
        EXPECT_EQ(pixel(texture, 7, 6), (Rgba{255, 255, 255, 255}));
        EXPECT_EQ(pixel(texture, 1, 1), (Rgba{0, 0, 255, std::uint8_t(masked ? 0 : 255)}));
    }
}

TEST(ReadModel, DrawsTheTextureOfTheChosenSkinFamilyAndTheChoicesOfABodyValue) {
    const auto skins = read(model_writer::two_skin_model());
    ASSERT_TRUE(skins.ok());
    EXPECT_EQ(skins->skin_families(), 2);
    EXPECT_EQ(pixel(skins->textures().at(1), 3, 3), (Rgba{255, 0, 0, 255}));
    for (const auto& [skin, texture] : {std::pair{0, 0}, {1, 1}, {5, 1}, {-1, 0}})
        EXPECT_EQ(skins->draw({-1, 0, {}, skin}).meshes.at(0).texture, texture) << skin;

    const auto model = read(model_writer::body_parts_model({1, 4, 2}));
    ASSERT_TRUE(model.ok());
    for (const auto& [value, choices] :
         {std::pair{0, std::vector{0, 0, 0}}, {5, {0, 1, 1}}, {6, {0, 2, 1}}, {8, {0, 0, 0}}})
        EXPECT_EQ(model->body_choices(value), choices) << value;

    // Choice n of a part lies n × 20 units along Y; a choice out of range counts as the last.
    const model::DrawList list = model->draw({-1, 0, {0, 9}, 0});
    EXPECT_EQ(list.meshes.size(), 3u);
    EXPECT_EQ(std::pair(list.min.y, list.max.y), std::pair(-8.0f, 8.0f + 3 * 20));
}

TEST(LoadModel, FindsCompanionsBesideTheFileWhateverTheirCase) {
    Description description = tiny_model();
    description.name = "stored name.mdl"; // the file's own name names its companions
    description.texture_file = true;
    description.sequences[0].in_group_file = true;
    const model_writer::Files files = model_writer::write_model(description);
    const TestWorld world;
    const auto& folder = world.root;
    for (const auto& [name, bytes] : {std::pair{"orange.mdl", files.main},
                                      {"oranget.mdl", files.textures},
                                      {"ORANGE01.MDL", files.group}})
        TestWorld::write(folder / name, {bytes.begin(), bytes.end()});
    const auto load = [&](const char* name) { return model::load_model((folder / name).string()); };
    const auto model = load("orange.mdl");
    ASSERT_TRUE(model.ok()) << model.messages().at(0);
    EXPECT_EQ(model->name(), "stored name.mdl");
    EXPECT_EQ(model->textures().at(0).name, "quad.bmp");
    EXPECT_NEAR(model->draw({0, 1, {}, 0}).min.x, -8, 1e-4); // turned a quarter about Z

    // Opened alone, each names the model it belongs to: by its own name, else the stored one.
    EXPECT_EQ(model::texture_file_owner("oranget.mdl"), "orange.mdl");
    EXPECT_EQ(model::load_group_file((folder / "ORANGE01.MDL").string())->model, "ORANGE.mdl");
    EXPECT_EQ(model::read_group_file(files.group, "renamed.mdl")->model, "stored name.mdl");
    EXPECT_EQ(model::load_group_file((folder / "orange.mdl").string()).messages().at(0),
              "the file is not a sequence group file");

    fs::remove(folder / "ORANGE01.MDL");
    EXPECT_EQ(load("orange.mdl").messages().at(0), "sequence group file orange01.mdl is missing");
    fs::remove(folder / "oranget.mdl");
    fs::create_directory(folder / "orangeT.mdl");
    EXPECT_EQ(load("orange.mdl").messages().at(0), "texture file orangeT.mdl is missing");
    EXPECT_EQ(load("orangeT.mdl").messages().at(0),
              (folder / "orangeT.mdl").string() + " is a folder, not a model file");
    EXPECT_EQ(load("gone.mdl").messages().at(0), (folder / "gone.mdl").string() + " is missing");
}

// The smallest model with one thing wrong at a time, at the offsets of its fields.
TEST(Refusal, RefusesEachDamageWithItsReason) {
    const Bytes tiny = write(tiny_model());
    const std::pair<Bytes, const char*> cases[] = {
        {with(tiny, 0, 'X'), "not a model file"},
        {with(tiny, 4, 44), "model version 44 is not supported"},
        {Bytes(tiny.begin(), tiny.begin() + 1000), "it ends after 1000 of its 1884 bytes"},
        {with(tiny, 140, 0x7FFFFFFF), "it counts 2147483647 bones, more than the 128"},
        {with(tiny, 276, 0), "bone 0 names itself as its parent"},
        {with(tiny, 276, 1), "bone 0 names bone 1 as its parent"},
        {with(tiny, 844, std::uint8_t{1}), "vertex 0 of model quad follows bone 1 of 1"},
        {with(tiny, 934, std::int16_t{4}), "a triangle of model quad names vertex 4 of 4"},
        {with(tiny, 936, std::int16_t{1}), "a triangle of model quad names normal 1 of 1"},
        {with(tiny, 932, std::int16_t{-32768}), "the triangles of model quad run past the end"},
        {with(tiny, 932, std::int16_t{2}), "a command of fewer than 3 corners"},
        {with(tiny, 966, std::int16_t{1}), "a command of fewer than 3 corners"},
        {with(tiny, 1036, 100000), "texture quad.bmp is 100000 by 8 pixels"},
        {with(tiny, 1044, 1880), "it ends inside the pixels of texture quad.bmp"},
        {with(tiny, 1048, std::int16_t{1}), "skin family 0 names texture 1 of 1"},
        {with(tiny, 920, 1), "mesh 0 of model quad names skin reference 1 of 1"},
        {with(tiny, 648, std::uint16_t{0x0002}), "bone 0 in sequence idle has a run of no frames"},
        {with(tiny, 648, std::uint16_t{0x0203}), "has a run of 3 samples for 2 frames"},
        {with(tiny, 646, std::uint16_t{0xFFFF}), "bone 0 in sequence idle runs past the end"},
        {with(tiny, 512, 1), "sequence idle names group 1 of 1"},
        {with(tiny, 724, 0), "body part body has a base of 0"},
        {with(tiny, 720, 0), "body part body has no models"},
        {with(tiny, 852, std::numeric_limits<float>::quiet_NaN()),
         "vertex 0 of model quad has a coordinate that is not a number"},
    };
    for (const auto& [file, reason] : cases) {
        const auto model = read(file);
        EXPECT_EQ(model.messages().size(), 1u);
        EXPECT_TRUE(holds(said(model), reason));
    }
}

TEST(Pose, PlacesTheQuadAsTheFormatTurnsItAndEachBoneFromItsParent) {
    constexpr float h = 5.656854f; // 8 × cos 45°
    constexpr Quad eighth_turn{{{h, -h, 0}, {h, -h, 16}, {-h, h, 0}, {-h, h, 16}}};
    constexpr Quad rolled_then_turned{{{0, 0, -8}, {16, 0, -8}, {0, 0, 8}, {16, 0, 8}}};
    Description rolled = tiny_model();
    rolled.bones[0].value[3] = rolled.bones[0].value[5] = std::numbers::pi_v<float> / 2;
    const Description blended = blended_model();
    const struct {
        const char* name;
        Description description;
        int sequence;
        float frame;
        Quad expected;
        float blend = 0.5f;
    } cases[] = {
        {"reference pose", tiny_model(), -1, 0, as_stored},
        {"frame 1", tiny_model(), 0, 1, quarter_turn},
        {"frame 0.5 halfway round", tiny_model(), 0, 0.5f, eighth_turn},
        {"frame past the end", tiny_model(), 0, 7, quarter_turn},
        {"sequence past the end", tiny_model(), 4, 1, quarter_turn},
        {"roll about X before yaw about Z", rolled, -1, 0, rolled_then_turned},
        {"a chain of bones turned at its root", model_writer::chained_model(3), 0, 1, quarter_turn},
        {"halfway between two blend sets", blended, 0, 0, eighth_turn},
        {"the last blend set", blended, 0, 0, quarter_turn, 1},
        {"a blend before the first set", blended, 0, 0, as_stored, -3},
    };
    for (const auto& c : cases) {
        const auto model = read(c.description);
        ASSERT_TRUE(model.ok()) << c.name << ": " << model.messages().at(0);
        expect_quad(model->draw({c.sequence, c.frame, {}, 0, c.blend}), c.expected, c.name);
    }

    // Each bone is drawn from its parent, the chain's 4 units apart.
    const std::vector<model::BoneLine> bones = read(model_writer::chained_model(3))->draw({}).bones;
    ASSERT_EQ(bones.size(), 3u);
    EXPECT_EQ(std::pair(bones[1].from.z, bones[1].to.z), std::pair(0.0f, 4.0f));
    EXPECT_EQ(std::pair(bones[2].from.z, bones[2].to.z), std::pair(4.0f, 8.0f));
}

TEST(Pose, BoundsHoldEveryFrameAndBlendSetOfTheSequence) {
    // The quad in the plane X = 0, and turned a quarter about Z at some frame or blend set.
    for (const auto& [description, sequence, reach_x] : {std::tuple{tiny_model(), -1, 0.0f},
                                                         {tiny_model(), 0, 8.0f},
                                                         {blended_model(), 0, 8.0f}}) {
        const auto box = read(description)->bounds({sequence});
        ASSERT_TRUE(box);
        EXPECT_LT(std::abs(box->min.x + reach_x) + std::abs(box->max.x - reach_x), 1e-3);
        EXPECT_EQ(std::tuple(box->min.y, box->min.z, box->max.y, box->max.z),
                  std::tuple(-8, 0, 8, 16));
    }
}

TEST(Pose, ReadsSamplesAcrossRuns) {
    // X animated through two runs appended to the file: (1 sample, 2 frames) of 256, then
    // (1 sample, 1 frame) of 512: X = 1, 1, 2 units. ZR repeats its run's last sample at frame 2.
    Bytes bytes = with(with(write(tiny_model()), 636, std::uint16_t{1884 - 636}), 72, 1892);
    bytes.insert(bytes.end(), {1, 2, 0x00, 0x01, 1, 1, 0x00, 0x02});
    const auto model = read(bytes);
    ASSERT_TRUE(model.ok()) << model.messages().at(0);
    for (auto [frame, x, expected] :
         {std::tuple{0, 1.0f, as_stored}, {1, 1.0f, quarter_turn}, {2, 2.0f, quarter_turn}}) {
        for (model::Vec3& corner : expected)
            corner.x += x;
        expect_quad(model->draw({0, static_cast<float>(frame), {}, 0}), expected,
                    "frame " + std::to_string(frame));
    }
    // Framing walks the runs on from frame to frame: frame 1 reaches X = -7, frame 2 X = 10.
    const auto box = model->bounds({0});
    ASSERT_TRUE(box);
    EXPECT_NEAR(box->min.x, -7, 1e-4);
    EXPECT_NEAR(box->max.x, 10, 1e-4);
}

TEST(Pose, WindsFrontFacesCounterClockwiseFromOutside) {
    Description fan = tiny_model();
    fan.body_parts[0].models[0].meshes[0] = {
        {true, {{0, 0, 0, 8}, {1, 0, 0, 0}, {3, 0, 8, 0}, {2, 0, 8, 8}}}};
    using Corners = std::set<std::set<std::size_t>>;
    for (const auto& [description, split] : {std::pair{tiny_model(), Corners{{0, 1, 2}, {1, 2, 3}}},
                                             std::pair{fan, Corners{{0, 1, 3}, {0, 2, 3}}}}) {
        const auto model = read(description);
        ASSERT_TRUE(model.ok());
        const model::DrawMesh mesh = model->draw({}).meshes.at(0);
        ASSERT_EQ(mesh.triangles.size(), 2u);
        Corners found;
        for (const auto& [a, b, c] : mesh.triangles) {
            const model::Vec3 p = mesh.vertices.at(a).position, q = mesh.vertices.at(b).position,
                              r = mesh.vertices.at(c).position;
            // The quad faces +X: the X part of (q - p) × (r - p) is positive.
            EXPECT_GT((q.y - p.y) * (r.z - p.z) - (q.z - p.z) * (r.y - p.y), 0);
            found.insert({corner_of(mesh.vertices[a]), corner_of(mesh.vertices[b]),
                          corner_of(mesh.vertices[c])});
        }
        EXPECT_EQ(found, split);
    }
}

TEST(ConsistencyBox, MeasuresAsTheGameDoesOrCannotTellWhereItReadsOutsideTheFile) {
    const Bytes tiny = write(tiny_model());
    Description empty = tiny_model();
    empty.body_parts.clear();
    empty.sequences.clear();

    // Bone 1 takes bone 0's X channel, -10, 0 and 20 units, from its own value 4; its own record,
    // which moves it 100 units, goes unread: X spans -10 to 24, a box 34 wide.
    Description two_bones = tiny_model();
    two_bones.bones.push_back({.name = "far", .parent = 0, .value = {4, 0, 0}});
    two_bones.sequences[0].animation.resize(2);
    two_bones.sequences[0].animation[0][0] = {-2560, 0, 5120};
    two_bones.sequences[0].animation[1][0] = {25600, 25600, 25600};

    // X through three runs: (3 samples, no frames) passed by; (1 sample, 2 frames) of 512; (none,
    // 1 frame), whose header word 0x0100 is its sample: 2, 2 and 1 units, a box 1 wide.
    Bytes runs = with(tiny, x_channel, std::uint16_t{1884 - x_channel});
    runs.insert(runs.end(), {3, 0, 0xAA, 0xAA, 0xBB, 0xBB, 0xCC, 0xCC, 1, 2, 0x00, 0x02, 0, 1});

    // A second body part of the quad 100 units up, counted out, and the first pointed at its
    // model at 920: the game reads as many models as they count right after them.
    Description two_parts = tiny_model();
    two_parts.body_parts.push_back(two_parts.body_parts[0]);
    for (model_writer::Point& vertex : two_parts.body_parts[1].models[0].vertices)
        vertex.z += 100;
    const Bytes moved = with(with(write(two_parts), part_models + 76 - 8, 0), part_models, 920);

    // Two bones, each within a float's range, that span more than it.
    Description far_apart = two_bones;
    far_apart.bones[0].value[0] = -3e38f;
    far_apart.bones[1].value[0] = 3e38f;

    Description grouped = tiny_model();
    grouped.sequences[0].in_group_file = true;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    // Each file, and the box measured, or why it cannot be.
    const struct {
        Bytes file;
        const char* says;
        std::optional<model::Box> box = {};
    } cases[] = {
        {tiny, "the quad and a still bone", model::Box{{0, -8, 0}, {0, 8, 16}}},
        {write(empty), "no points at all", model::Box{}},
        {write(two_bones), "bones through the first record", model::Box{{-17, -8, 0}, {17, 8, 16}}},
        {runs, "runs walked as the game walks them", model::Box{{-0.5f, -8, 0}, {0.5f, 8, 16}}},
        {moved, "models read after the body parts", model::Box{{0, -8, 0}, {0, 8, 16}}},
        {with(write(grouped), animation_index, 5000),
         "offset 5000, where the game reads the animation of sequence idle from this file although "
         "its group file holds it, lies past the end of the file"},
        {with(tiny, x_channel, std::uint16_t{0xFFFF}), "offset 66171, where the game reads a run"},
        {with(tiny, 204, 0x7FFFFFFF), "the 76 bytes at offset 1872, where the game reads body "
                                      "part 16, reach past the end of the file (1884 bytes)"},
        {with(tiny, 208, -100), "offset -100, where the game reads body part 0, lies before"},
        {with(tiny, part_models - 8, 1000000), "offset 1852, where the game reads model 10 after"},
        {with(tiny, 852, nan), "vertex 0 of model 0 after the body parts has a coordinate that"},
        {with(tiny, 856, infinity), "vertex 0 of model 0 after the body parts has a coordinate"},
        {write(far_apart), "the bones of sequence idle reach beyond the range of a float"},
        {with(tiny, 244 + 64, nan), "bone 0 has a position value or scale that is not"},
        {with(tiny, 412, 70000), "sequence idle has 70000 frames"},
    };
    for (const auto& c : cases) {
        const auto box = model::measure_consistency_box(c.file);
        if (!c.box) {
            EXPECT_TRUE(holds(said(box), c.says));
            continue;
        }
        ASSERT_TRUE(box.ok()) << c.says << ": " << box.messages().at(0);
        EXPECT_EQ(corners(*box), corners(*c.box)) << c.says;
    }
}

// A model over many pages, read from disk a page at a time as the checks want it: measured, and
// read for a picture, as it is read whole; cut short after it was opened, refused, not misread.
TEST(PagedFile, ReadsWhatTheChecksWantAsTheWholeFileReadsAndRefusesAFileCutShort) {
    Description description = model_writer::chained_model(8);
    description.textures[0] = {"large.bmp", 0, 128, 128, Bytes(128 * 128, 7)};
    // The first sequence's runs, which a picture poses, over pages of their own.
    description.sequences.clear();
    for (int s = 0; s < 40; ++s) {
        model_writer::Sequence& sequence = description.sequences.emplace_back();
        sequence.label = "move" + std::to_string(s);
        sequence.frames = s == 0 ? 200 : 30;
        sequence.animation.resize(description.bones.size());
        for (auto& channels : sequence.animation)
            for (int frame = 0; frame < sequence.frames; ++frame)
                for (auto& channel : channels)
                    channel.push_back(static_cast<std::int16_t>(frame * (s + 1) * 7 % 2000 - 1000));
    }
    const Bytes bytes = write(description);
    ASSERT_GT(bytes.size(), 16u << model::PageReading{}.page_bits);
    const TestWorld world;
    const fs::path file = world.root / "paged.mdl";
    TestWorld::write(file, {bytes.begin(), bytes.end()});
    const auto open = [&] {
        {
            // Memory of the file's size filled with other bytes and freed: the next file's memory
            // is likely to be it, so that a byte taken without being read from disk shows.
            const std::string other(bytes.size(), '\xEE');
            TestWorld::write(world.root / "other", other);
        }
        auto paged = model::PagedFile::open(platform::Path(file.string()), 64 << 20);
        EXPECT_TRUE(paged.ok());
        return std::move(paged).value();
    };

    const auto first_only = [&](model::KeptFile kept) {
        auto model = model::read_model(std::move(kept), {}, "test.mdl", model::Sequences::first);
        EXPECT_TRUE(model.ok()) << said(model);
        return std::pair(corners(*model->bounds({0, 0, {0}})), model->textures().at(0).indices);
    };
    EXPECT_EQ(first_only(open()), first_only(std::string(bytes.begin(), bytes.end())));
    const auto whole = model::measure_consistency_box(bytes);
    const auto paged = model::measure_consistency_box(open());
    ASSERT_TRUE(whole.ok() && paged.ok()) << said(paged);
    EXPECT_EQ(corners(*paged), corners(*whole));

    auto cut = open();
    fs::resize_file(file, bytes.size() / 2);
    EXPECT_EQ(said(model::measure_consistency_box(cut)), "the file cannot be read");
    EXPECT_EQ(said(model::read_model(std::move(cut), {}, "test.mdl", model::Sequences::first)),
              "the file cannot be read");
}

TEST(ServerCheck, ChecksTheBoxAllowedForTheFileName) {
    // The player box on its limit, then 0.01 beyond it on each side in turn: X, Y, Z min, then max.
    constexpr std::array<float, 6> player{-38, -24, -41, 38, 24, 41};
    EXPECT_EQ(model::check_for_servers(spanning(player), "gign.mdl").verdict, Verdict::accepted);
    for (std::size_t side = 0; side < 6; ++side) {
        auto beyond = player;
        beyond[side] += side < 3 ? -0.01f : 0.01f;
        const auto check = model::check_for_servers(spanning(beyond), "SAS.MDL");
        ASSERT_EQ(check.outside.size(), 1u) << side;
        const model::AxisOutside& out = check.outside[0];
        EXPECT_EQ(
            std::tuple(check.verdict, out.axis, out.beyond_max, out.measured, out.allowed),
            std::tuple(Verdict::refused, int(side % 3), side >= 3, beyond[side], player[side]));
    }

    // A rifle in the rifles' box, under other names: in the pistols' box it is out on X below and
    // above, Y below and above and Z above, in that order.
    const Bytes rifle = spanning({-30, -7, -20, 30, 11, 30});
    EXPECT_EQ(model::check_for_servers(rifle, "P_AK47.mdl").verdict, Verdict::accepted);
    std::vector<std::pair<int, bool>> sides;
    for (const model::AxisOutside& out : model::check_for_servers(rifle, "p_deagle.mdl").outside)
        sides.emplace_back(out.axis, out.beyond_max);
    EXPECT_EQ(sides, (std::vector<std::pair<int, bool>>{
                         {0, false}, {0, true}, {1, false}, {1, true}, {2, true}}));
    const auto unchecked = model::check_for_servers(rifle, "v_ak47.mdl");
    EXPECT_EQ(std::pair(unchecked.verdict, unchecked.measured.has_value()),
              std::pair(Verdict::not_checked, true));
}

TEST(ServerCheck, SaysByHowMuchAModelIsTooBigTheWorstAxisFirstAndEachOnce) {
    const std::pair<std::array<float, 6>, const char*> cases[] = {
        {{-38, -24, -41, 60, 24, 41}, "22.0 units too long for servers, which allow 38.0 forward"},
        {{-40, -24.02f, -41, 42.7f, 24, 41},
         "4.7 units too long and 0.02 too wide for servers, which allow 38.0 forward and 24.00 to "
         "the right"},
        {{-42.7f, -24, -42.4f, 38, 24.03f, 41},
         "4.7 units too long, 0.03 too wide and 1.4 too tall for servers, which allow 38.0 back, "
         "24.00 to the left and 41.0 down"},
        {{-38.5f, -24, -41, 38, 24, 45},
         "4.0 units too tall and 0.5 too long for servers, which allow 41.0 up and 38.0 back"},
        {{-38, -24, -41, 38, 24.02f, 41},
         "0.02 units too wide for servers, which allow 24.00 to "
         "the left"},
    };
    for (const auto& [corners, says] : cases)
        EXPECT_EQ(model::verdict_reason(model::check_for_servers(spanning(corners), "gign.mdl"),
                                        "gign.mdl"),
                  says);
    EXPECT_EQ(model::install_question(model::check_for_servers(spanning(cases[0].first), "sas.mdl"),
                                      "sas.mdl", "Long"),
              "Servers will refuse this model: it is larger than they allow.\n\nsas.mdl of the "
              "model \"Long\" is 22.0 units too long for servers, which allow 38.0 forward. "
              "Servers that enforce file consistency, as they do unless told otherwise, drop a "
              "player who uses it while connecting.\n\nInstall it all the same?");

    // The box measured, with as many decimals as a side outside the box it is held against takes
    // (X below by 0.02, though the words name only X above), never "-0.0".
    const std::tuple<std::array<float, 6>, const char*, const char*> boxes[] = {
        {{-38.02f, -24, -41, 42.7f, 24, 41},
         "gign.mdl",
         "(-38.02, -24.00, -41.00) to (42.70, 24.00, 41.00)"},
        {{-23, -8, -20, 23, 8.03f, 20},
         "v_mp5.mdl",
         "(-23.00, -8.00, -20.00) to (23.00, 8.03, 20.00)"},
        {{-0.01f, -8, 0, 0, 8, 16}, "v_ak47.mdl", "(0.0, -8.0, 0.0) to (0.0, 8.0, 16.0)"},
    };
    for (const auto& [corners, file_name, says] : boxes)
        EXPECT_EQ(model::measured_box_words(model::check_for_servers(spanning(corners), file_name),
                                            file_name),
                  says);
    EXPECT_TRUE(
        holds(platform::english(model::server_facts(
                  model::check_for_servers(spanning(cases[4].first), "gign.mdl"), "gign.mdl")),
              "as (-38.00, -24.00, -41.00) to (38.00, 24.02, 41.00).\nAs gign.mdl, "
              "servers refuse it: it is 0.02 units too wide"));

    // With no side outside there is no excess to tell, and the question is still made whole.
    const auto unchecked = model::check_for_servers(spanning(cases[4].first), "v_ak47.mdl");
    EXPECT_EQ(model::outside_words(unchecked.outside), "");
    EXPECT_TRUE(holds(platform::english(model::install_question(unchecked, "v_ak47.mdl", "Fits")),
                      "Install it all the same?"));
}

TEST(ServerCheck, TellsWhatTheGameRefusesToLoad) {
    const Bytes tiny = write(tiny_model());
    const std::string textures = model_writer::tiny_model_in_two_files(true).second;
    const std::string group = model_writer::tiny_model_in_two_files(false).second;
    const std::tuple<Bytes, StudioKind, const char*> cases[] = {
        {with(tiny, 4, 48), StudioKind::model, "version 48, of a later engine"},
        {with(tiny, 140, 129), StudioKind::model, "129 bones, more than the 128"},
        {Bytes(tiny.begin(), tiny.begin() + 100), StudioKind::model, "after 100 bytes"},
        {{textures.begin(), textures.end()}, StudioKind::texture_file, "a texture file"},
        {{group.begin(), group.end()}, StudioKind::group_file, "a sequence group file"},
    };
    for (const auto& [file, kind, refusal] : cases) {
        EXPECT_EQ(model::studio_kind(file), kind) << refusal;
        EXPECT_TRUE(holds(
            platform::english(model::load_refusal(file).value_or(platform::Message{})), refusal));
    }
    const Bytes zip{'P', 'K', 3, 4};
    EXPECT_EQ(model::studio_kind(zip), StudioKind::none);
    EXPECT_FALSE(model::load_refusal(zip) || model::load_refusal(tiny));
    const auto later = model::check_for_servers(with(tiny, 4, 48), "gign.mdl");
    EXPECT_EQ(std::pair(later.verdict,
                        platform::english(later.reason).starts_with("the game does not load it")),
              std::pair(Verdict::cannot_tell, true));
}

TEST(FieldText, ShowsNamesInAnyScriptWithoutReplacementCharacters) {
    const std::string privet = "Привет flower", cp1251 = "\xCF\xF0\xE8\xE2\xE5\xF2 flower";
    // The bytes, the user's code page, and the text shown.
    const std::tuple<std::string, unsigned, std::string> cases[] = {
        {privet, 936, privet},        {cp1251, 1252, privet},
        {cp1251, 1251, privet},       {"\xC4\xE3\xBA\xC3", 936, "你好"},
        {"Caf\xE9", 1252, "Café"},    {"\x98", 1251, "\u0098"},
        {"\x93Go\x94", 1252, "“Go”"}, {cp1251, 1250, privet},
        {cp1251, 1254, privet},       {"Za\xBF\xF3\xB3\xE6", 1250, "Zażółć"},
        {"I\xFE\xFDk", 1254, "Işık"},
    };
    for (const auto& [bytes, code_page, shown] : cases)
        EXPECT_EQ(model::field_text(bytes, code_page), shown) << shown;

    // The reader shows a name as field_text() does, in whatever code page the system has.
    Description named = tiny_model();
    named.sequences[0].label = cp1251;
    EXPECT_EQ(read(named)->sequences().at(0).name, model::field_text(cp1251));
}
