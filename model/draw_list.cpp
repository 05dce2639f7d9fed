#include "model/model_data.h"
#include "model/posing.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

int clamped(int value, std::size_t count) {
    return std::clamp(value, 0, std::max(0, static_cast<int>(count) - 1));
}

// A chrome texture mirrors its surroundings: its coordinates follow the posed normal as seen
// from the front (+X), left to right along Y and top to bottom along Z.
void chrome_coordinates(DrawVertex& vertex) {
    vertex.u = 0.5f + 0.5f * vertex.normal.y;
    vertex.v = 0.5f - 0.5f * vertex.normal.z;
}

// Bounds of every vertex drawn; both zero when nothing is.
void set_bounds(DrawList& list) {
    bool first = true;
    for (const DrawMesh& mesh : list.meshes) {
        for (const DrawVertex& vertex : mesh.vertices) {
            const Vec3& p = vertex.position;
            if (first)
                list.min = list.max = p;
            first = false;
            list.min = {std::min(list.min.x, p.x), std::min(list.min.y, p.y),
                        std::min(list.min.z, p.z)};
            list.max = {std::max(list.max.x, p.x), std::max(list.max.y, p.y),
                        std::max(list.max.z, p.z)};
        }
    }
}

// The mesh's corners at the posed vertices and normals, in the texture of the skin family.
DrawMesh draw_mesh(const StudioModel::Data& data, const MeshData& mesh, std::size_t family,
                   const std::vector<Vec3>& positions, const std::vector<Vec3>& normals) {
    DrawMesh out;
    out.texture = data.skins[family * static_cast<std::size_t>(data.skin_references) +
                             static_cast<std::size_t>(mesh.skin_reference)];
    const Texture& texture = data.textures[static_cast<std::size_t>(out.texture)];
    const auto width = static_cast<float>(texture.width);
    const auto height = static_cast<float>(texture.height);
    out.vertices.reserve(mesh.corners.size());
    for (const Corner& corner : mesh.corners) {
        DrawVertex vertex{positions[corner.vertex], normals[corner.normal], corner.s / width,
                          corner.t / height};
        if (texture.chrome)
            chrome_coordinates(vertex);
        out.vertices.push_back(vertex);
    }
    out.triangles = mesh.triangles;
    return out;
}

} // namespace

DrawList StudioModel::draw(const Pose& pose) const {
    const Data& data = *data_;
    const int sequence = std::clamp(pose.sequence, -1, static_cast<int>(data.sequences.size()) - 1);
    float frame = 0;
    if (sequence >= 0 && std::isfinite(pose.frame))
        frame = std::clamp(
            pose.frame, 0.0f,
            static_cast<float>(data.animations[static_cast<std::size_t>(sequence)].frames - 1));
    const std::vector<BoneTransform> bones = pose_bones(data, sequence, frame);
    const auto family =
        static_cast<std::size_t>(clamped(pose.skin, static_cast<std::size_t>(data.skin_families)));

    DrawList list;
    for (std::size_t b = 0; b < bones.size(); ++b) {
        const int parent = data.bones[b].parent;
        list.bones.push_back({parent < 0 ? Vec3{} : origin(bones[static_cast<std::size_t>(parent)]),
                              origin(bones[b])});
    }
    std::vector<Vec3> positions;
    std::vector<Vec3> normals;
    for (std::size_t p = 0; p < data.body_parts.size(); ++p) {
        const BodyPartData& part = data.body_parts[p];
        const int choice = p < pose.body_choices.size() ? pose.body_choices[p] : 0;
        const ModelData& model =
            part.models[static_cast<std::size_t>(clamped(choice, part.models.size()))];
        positions.resize(model.vertices.size());
        for (std::size_t i = 0; i < model.vertices.size(); ++i)
            positions[i] = transform_point(bones[model.vertex_bones[i]], model.vertices[i]);
        normals.resize(model.normals.size());
        for (std::size_t i = 0; i < model.normals.size(); ++i)
            normals[i] = rotate(bones[model.normal_bones[i]], model.normals[i]);
        for (const MeshData& mesh : model.meshes)
            list.meshes.push_back(draw_mesh(data, mesh, family, positions, normals));
    }
    set_bounds(list);
    return list;
}

} // namespace model
