#pragma once

#include "model/studio_model.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace model {

struct BoneData {
    int parent = -1;
    std::array<int, 6> controllers{}; // per channel, the controller that adjusts it, or -1
    std::array<float, 6> value{};
    std::array<float, 6> scale{};
};

// Where a sequence's animation lies: its block in one of the model's files, checked whole.
struct Animation {
    int file = 0;           // index into StudioModel::Data::files
    std::int64_t block = 0; // checked once its file is known
    int blends = 1;
    int frames = 1;
};

// A corner of a triangle command as stored: the model's vertex and normal, and its texel.
struct Corner {
    std::uint16_t vertex = 0;
    std::uint16_t normal = 0;
    std::int16_t s = 0;
    std::int16_t t = 0;
};

struct MeshData {
    int skin_reference = 0;
    std::vector<Corner> corners;
    std::vector<std::array<std::uint32_t, 3>> triangles; // into corners, counter-clockwise
};

struct ModelData {
    std::vector<Vec3> vertices;
    std::vector<std::uint8_t> vertex_bones;
    std::vector<Vec3> normals;
    std::vector<std::uint8_t> normal_bones;
    std::vector<MeshData> meshes;
};

struct BodyPartData {
    int base = 1;
    std::vector<ModelData> models;
};

// Everything read from a model's files, every index in it checked.
struct StudioModel::Data {
    std::string name;
    std::vector<BoneData> bones;
    std::vector<float> controller_settings; // radians for rotations, else units
    std::vector<SequenceInfo> sequences;
    std::vector<Animation> animations; // one per sequence
    std::vector<BodyPartInfo> body_part_infos;
    std::vector<BodyPartData> body_parts;
    int skin_references = 0;
    int skin_families = 0;
    std::vector<int> skins; // family by family, the texture of each skin reference
    std::vector<Texture> textures;
    // The main file and the group files, kept for their animation runs.
    std::vector<KeptFile> files;
};

} // namespace model
