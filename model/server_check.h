#pragma once

#include "model/studio_kind.h"
#include "model/studio_model.h"
#include "platform/result.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What game servers check of a model file. While a player connects, the game measures a box of
// each checked file on the player's disk, and a server that enforces file consistency, as servers
// do unless told not to, drops the player when the box reaches outside the one it allows for that
// file.
namespace model {

// The box the game measures of a model file, as it measures it: every vertex, as stored, of the
// models it finds in one array right after the body parts; and for each sequence, both corners of
// a box centred on the origin as large as the box its bones' positions span over its frames, each
// bone's own value and scale applied to the channels of the sequence's first animation record,
// which the game reads from this file even when a group file holds the animation. In single
// precision, as the game computes it; a model of no points measures as the zero box.
// Where the game's reading would leave the file, or go beyond what Tessary follows (limits.h), the
// answer is unknown: the failure says why, as a clause that reads after "cannot tell: ". A file
// that the game does not load is not measured.
platform::Result<Box> measure_consistency_box(FileView file);

// The box servers allow for a game file, by its file name alone ("gign.mdl", "p_ak47.mdl",
// "p_shield_knife.mdl", "w_c4.mdl"; a folder before it does not count), compared without regard to
// case: no two checked game files share a name. Nothing for a file that no server checks (v_
// models, hostage and scientist models, most w_ models).
std::optional<Box> allowed_box(std::string_view file_name);

// The box to hold a model of that file name against, to see how it would fare: the one servers
// allow for the name; for a name no server checks, the one they allow for the p_ model of its
// weapon ("v_ak47.mdl" and "w_ak47.mdl" take p_ak47.mdl's), else for a player model.
struct ComparedBox {
    Box box;
    std::string file_name; // the checked file whose box it is; empty for a player model's
};
ComparedBox compared_box(std::string_view file_name);

enum class Verdict { accepted, refused, not_checked, cannot_tell };

// A side of an axis on which the measured box reaches beyond the allowed one.
struct AxisOutside {
    int axis = 0;            // 0 X, 1 Y, 2 Z
    bool beyond_max = false; // else below the min
    float measured = 0;
    float allowed = 0;
};

// Each side of each axis on which the box reaches beyond the allowed one, X first, min before
// max; none when the box lies within, sides equal counting as within.
std::vector<AxisOutside> sides_outside(const Box& box, const Box& allowed);

struct ServerCheck {
    Verdict verdict = Verdict::not_checked;
    std::optional<Box> measured; // whenever the box could be measured, checked file or not
    std::optional<Box> allowed;  // for a checked file
    // Refused: each side of each axis that is out, X first, min before max.
    std::vector<AxisOutside> outside;
    // Whenever the box could not be measured (for cannot_tell, and for a file that is not
    // checked): why, as measure_consistency_box() words it.
    platform::Message reason;
};

// What servers make of a model file that stands under that file name in the game: accepted when
// no side of its box lies outside the one allowed.
ServerCheck check_for_servers(FileView file, std::string_view file_name);

} // namespace model
