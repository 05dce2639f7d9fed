#include "model/server_check.h"
#include "model_writer.h"
#include "said.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <tuple>

using model::StudioKind;
using model::Verdict;
using model_writer::Description;
using model_writer::tiny_model;
using model_writer::with;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes write(const Description& description) {
    return model_writer::write_model(description).main;
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

    Description grouped = tiny_model();
    grouped.sequences[0].in_group_file = true;
    const float nan = std::numeric_limits<float>::quiet_NaN();
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

TEST(ServerCheck, TellsWhatTheGameRefusesToLoad) {
    const Bytes tiny = write(tiny_model());
    const std::string textures = model_writer::tiny_model_in_two_files(true).second;
    const std::string group = model_writer::tiny_model_in_two_files(false).second;
    const struct {
        Bytes file;
        StudioKind kind;
        const char* refusal;
    } cases[] = {
        {with(tiny, 4, 48), StudioKind::model, "version 48, of a later engine"},
        {with(tiny, 140, 129), StudioKind::model, "129 bones, more than the 128"},
        {Bytes(tiny.begin(), tiny.begin() + 100), StudioKind::model, "after 100 bytes"},
        {{textures.begin(), textures.end()}, StudioKind::texture_file, "a texture file"},
        {{group.begin(), group.end()}, StudioKind::group_file, "a sequence group file"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(model::studio_kind(c.file), c.kind) << c.refusal;
        EXPECT_TRUE(holds(model::load_refusal(c.file).value_or(""), c.refusal));
    }
    const Bytes zip{'P', 'K', 3, 4};
    EXPECT_EQ(model::studio_kind(zip), StudioKind::none);
    EXPECT_FALSE(model::load_refusal(zip) || model::load_refusal(tiny));
    const auto later = model::check_for_servers(with(tiny, 4, 48), "gign.mdl");
    EXPECT_EQ(std::pair(later.verdict, later.reason.starts_with("the game does not load it")),
              std::pair(Verdict::cannot_tell, true));
}
