#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

// Writes model files of the game's studio format (version 10) from a plain description, for
// tests and benchmarks. Sections are laid out in the order the game's compiler uses, each starting
// on a 4-byte boundary, so tiny_model() comes out byte for byte as the smallest model the format
// allows.
namespace model_writer {

struct Point {
    float x = 0, y = 0, z = 0;
};

struct Bone {
    std::string name;
    int parent = -1;
    std::array<float, 6> value{}; // X, Y, Z, then rotations about X, Y, Z in radians
};

// Per bone, its channels X, Y, Z, XR, YR, ZR: one sample per frame, in 1/256 units and π/8192
// radians, or none to leave the channel at its bone's value.
using Animation = std::vector<std::array<std::vector<std::int16_t>, 6>>;

struct Sequence {
    std::string label;
    float fps = 10;
    bool looping = true;
    int frames = 1;
    std::array<Point, 2> bounds{}; // least and greatest corner
    bool in_group_file = false;    // else the main file holds the animation
    Animation animation{};
    // Blend sets after the first, which with it span the range from the first set to the last.
    std::vector<Animation> more_blends{};
    std::array<float, 2> blend_range{0, 1};
};

using Corner = std::array<int, 4>; // vertex, normal, s, t

struct Command {
    bool fan = false; // else a strip
    std::vector<Corner> corners;
};

// A choice of a body part; each of its meshes is drawn through skin reference 0.
struct Model {
    std::string name;
    std::vector<Point> vertices;
    std::vector<std::uint8_t> vertex_bones;
    std::vector<Point> normals;
    std::vector<std::uint8_t> normal_bones;
    std::vector<std::vector<Command>> meshes;
};

struct BodyPart {
    std::string name;
    std::vector<Model> models; // its choices
};

struct Texture {
    std::string name;
    int flags = 0; // 0x40: palette index 255 is transparent
    int width = 8, height = 8;
    // Palette indices, top row first: unless told, 8 × 8 of index 0.
    std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(64);
    std::array<std::uint8_t, 768> palette{};
};

struct Description {
    std::string name; // stored in the header; without ".mdl" it names the group file
    std::vector<Bone> bones;
    std::vector<Sequence> sequences;
    std::vector<BodyPart> body_parts;
    std::vector<Texture> textures;
    std::vector<std::vector<int>> skins; // per family, the texture of each skin reference
    bool texture_file = false;           // textures and skins go to <stem>T.mdl
};

struct Files {
    std::vector<std::uint8_t> main;
    std::vector<std::uint8_t> textures; // <stem>T.mdl, when asked for
    std::vector<std::uint8_t> group;    // <stem>01.mdl, when a sequence is in it
};

Files write_model(const Description& description);

// The bytes of a file, a std::string or a vector, with a value written over them at an offset:
// a field changed or damaged.
template <typename Bytes, typename T> Bytes with(const Bytes& file, std::size_t at, T value) {
    Bytes bytes = file;
    std::memcpy(bytes.data() + at, &value, sizeof value);
    return bytes;
}

// The format's smallest model, 1884 bytes: a bone "root", a looping 3-frame sequence "idle" at
// 10 frames per second turning the bone about Z by 0, π/2 and π/2, and a body part "body" whose
// model "quad" is a 16 × 16 square in the plane X = 0 facing +X, one strip of 2 triangles, with an
// 8 × 8 black and white checked texture "quad.bmp".
Description tiny_model();

// The tiny model in two files, as the bytes of the main file and of its companion: its texture
// file, or the group file that holds its sequence.
std::pair<std::string, std::string> tiny_model_in_two_files(bool texture_file);

// The tiny model with bones in a chain, each 4 units above its parent; the quad's top corners
// follow the last bone.
Description chained_model(int bone_count);

// The tiny model with a second texture, all red, which skin family 1 draws.
Description two_skin_model();

// The tiny model with body parts of that many choices each; choice n is the quad moved n × 20
// units along Y.
Description body_parts_model(const std::vector<int>& choices_per_part);

} // namespace model_writer
