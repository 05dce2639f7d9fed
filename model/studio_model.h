#pragma once

#include "model/paged_file.h"
#include "platform/result.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A model of the game's studio format (version 10), read from its files and posed for drawing.
// Everything here is standard C++: the viewer draws what draw() hands out.
namespace model {

struct Vec3 {
    float x = 0;
    float y = 0;
    float z = 0;
};

// A texture ready to draw: pixels as 0xAARRGGBB, rows top first. Palette index 255 of a masked
// texture is fully transparent; every other pixel is opaque. The palette indices and the palette
// are kept as the file holds them, for saving the texture as it was made.
struct Texture {
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;       // width × height palette indices, row by row
    std::array<std::uint8_t, 768> palette{}; // 256 colours, red, green and blue
    bool masked = false;
    bool chrome = false;      // texture coordinates come from the normals at draw time
    bool full_bright = false; // drawn unlit
    bool additive = false;    // added to the frame rather than drawn over it
};

// The texture's palette as 0xAARRGGBB colours, each pixel the colour its index names: opaque, but
// for the last colour of a masked texture, which is transparent.
std::array<std::uint32_t, 256> colours_of(const Texture& texture);

struct SequenceInfo {
    std::string name;
    float fps = 0;
    int frame_count = 1;
    bool looping = false;
    // The sets of animation the pose mixes between (player models aim with them), and the range
    // they span from the first set to the last: degrees when they turn a bone, else units.
    int blends = 1;
    float blend_start = 0;
    float blend_end = 0;
    bool blend_turns = false;
};

struct BodyPartInfo {
    std::string name;
    std::vector<std::string> choices; // the names of its models, in file order; at least one
};

// One corner of a posed triangle, in model space (right-handed, Z up, X forward). u and v run
// from 0 to 1 across the texture, v = 0 at its top row.
struct DrawVertex {
    Vec3 position;
    Vec3 normal;
    float u = 0;
    float v = 0;
};

// The posed triangles of one mesh and the texture they are drawn with (an index into
// textures(), already chosen through the skin family). Front faces are counter-clockwise seen
// from outside: (b - a) × (c - a) points out of the model.
struct DrawMesh {
    int texture = 0;
    std::vector<DrawVertex> vertices;
    std::vector<std::array<std::uint32_t, 3>> triangles; // indices into vertices
};

// A bone drawn as a line from its parent's origin to its own; a root bone goes from the model's
// origin.
struct BoneLine {
    Vec3 from;
    Vec3 to;
};

struct DrawList {
    std::vector<DrawMesh> meshes;
    std::vector<BoneLine> bones;
    Vec3 min; // bounds of every vertex drawn; both zero when nothing is drawn
    Vec3 max;
};

struct Box {
    Vec3 min;
    Vec3 max;
};

// The box grown to hold the point; the point alone when there is no box yet. Inline, as bounds
// take it for every vertex of every frame.
inline void include(std::optional<Box>& box, const Vec3& p) {
    if (!box) {
        box = Box{p, p};
        return;
    }
    box->min = {std::min(box->min.x, p.x), std::min(box->min.y, p.y), std::min(box->min.z, p.z)};
    box->max = {std::max(box->max.x, p.x), std::max(box->max.y, p.y), std::max(box->max.z, p.z)};
}

// What to draw: the reference pose or a moment of a sequence, and the model's choices.
struct Pose {
    int sequence = -1;               // -1: the reference pose
    float frame = 0;                 // between two frames, the pose is interpolated
    std::vector<int> body_choices{}; // per body part, the chosen model; missing entries are 0
    int skin = 0;                    // skin family; out of range counts as the nearest one
    // Across the sequence's blend sets, from 0 at the first to 1 at the last; between two sets
    // the pose mixes them.
    float blend = 0.5f;
};

class StudioModel {
public:
    ~StudioModel();
    StudioModel(StudioModel&&) noexcept;
    StudioModel& operator=(StudioModel&&) noexcept;

    const std::string& name() const; // the name stored in the file
    int bone_count() const;
    const std::vector<SequenceInfo>& sequences() const;
    const std::vector<BodyPartInfo>& body_parts() const;
    int skin_families() const;
    const std::vector<Texture>& textures() const;

    // The frame position after playing the sequence for that many seconds from its start: a
    // looping sequence wraps, any other stops at its last frame.
    float frame_at(int sequence, double seconds) const;

    // The posed triangles and bones. Every index in the pose is clamped into range, so any pose
    // can be drawn.
    DrawList draw(const Pose& pose) const;

    // The bounds of everything the pose's sequence draws with the pose's body choices, over all
    // its frames and blend sets; its frame, blend and skin do not matter. Nothing when the
    // choices draw nothing.
    std::optional<Box> bounds(const Pose& pose) const;

    // The choice of each body part that a body value selects, as the game numbers the
    // combinations of choices: the first part counts fastest. A negative value selects choice 0.
    std::vector<int> body_choices(int body_value) const;

    // Made by the reader, which alone knows Data.
    struct Data;
    explicit StudioModel(std::unique_ptr<Data> data);

private:
    std::unique_ptr<Data> data_;
};

// Hands out the bytes of a companion file that lies beside the main file (a texture file such as
// "gignT.mdl", a sequence group file such as "gign01.mdl"), or nothing when there is none.
using SiblingReader =
    std::function<std::optional<std::vector<std::uint8_t>>(const std::string& file_name)>;

// Reads a model from the bytes of its main file, and its companion files through sibling. A file
// that cannot be read whole and valid is refused with one clear reason ("not a model file",
// "model version 44 is not supported", "texture file gignT.mdl is missing", "the file is
// damaged: ..."); nothing is half-read.
// The companions are asked for by the main file's name without its folder and ".mdl", followed
// by "T.mdl" or the group's two digits and ".mdl": "gign.mdl" has "gignT.mdl" and "gign01.mdl".
// file_name is the main file's name or path; when it is empty, the name stored in the file stands
// in for it.
platform::Result<StudioModel> read_model(std::span<const std::uint8_t> main_file,
                                         const SiblingReader& sibling,
                                         std::string_view file_name = {});
// The same, keeping the main file's bytes rather than a copy of them: read whole, or paged, whose
// pages are read as the reader wants them. A model read for a glance at it (a picture in a list)
// needs only its first sequence: the others are then neither read nor checked, and sequences()
// holds the first alone.
enum class Sequences { all, first };
platform::Result<StudioModel> read_model(KeptFile main_file, const SiblingReader& sibling,
                                         std::string_view file_name = {},
                                         Sequences sequences = Sequences::all);

// The bytes of a studio file on disk, an ordinary file of at most limits::file_size bytes, or why
// it cannot be read, naming it by its path.
platform::Result<std::vector<std::uint8_t>> read_model_file(const std::string& path);

// Reads a model from its main file on disk, with its companion files from the same folder, each
// read as read_model_file() reads: a companion named exactly, else one whose name differs only in
// case ("oranget.mdl").
platform::Result<StudioModel> load_model(const std::string& path);
// The same, of a main file already read whole from that path.
platform::Result<StudioModel> load_model(std::span<const std::uint8_t> main_file,
                                         const std::string& path);
// The same, of a main file read whole or opened paged from that path.
platform::Result<StudioModel> load_model(KeptFile main_file, const std::string& path,
                                         Sequences sequences = Sequences::all);

// A sequence group file ("hostage01.mdl"), which holds animation of the model it belongs to and
// nothing to draw.
struct GroupFile {
    // The file name of its model ("hostage.mdl"); empty when neither the group file's own name
    // nor the one stored in it, the path the game loads it by ("models\hostage01.mdl"), tells.
    std::string model;
};

// Reads the header of a group file, which tells its model.
platform::Result<GroupFile> read_group_file(std::span<const std::uint8_t> bytes,
                                            std::string_view file_name);
// Reads a group file on disk, as read_model_file() reads it.
platform::Result<GroupFile> load_group_file(const std::string& path);

} // namespace model
