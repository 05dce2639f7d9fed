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
    std::optional<Box> box;
    for (const DrawMesh& mesh : list.meshes)
        for (const DrawVertex& vertex : mesh.vertices)
            include(box, vertex.position);
    if (box) {
        list.min = box->min;
        list.max = box->max;
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
    const int sequence = sequence_in_range(data, pose.sequence);
    float frame = 0;
    float blend = 0;
    if (sequence >= 0) {
        const Animation& animation = data.animations[static_cast<std::size_t>(sequence)];
        if (std::isfinite(pose.frame))
            frame = std::clamp(pose.frame, 0.0f, static_cast<float>(animation.frames - 1));
        blend = (std::isfinite(pose.blend) ? std::clamp(pose.blend, 0.0f, 1.0f) : 0.5f) *
                static_cast<float>(animation.blends - 1);
    }
    const std::vector<BoneTransform> bones = pose_bones(data, sequence, frame, blend);
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
    for (const ModelData* model : chosen_models(data, pose.body_choices)) {
        positions.resize(model->vertices.size());
        for (std::size_t i = 0; i < model->vertices.size(); ++i)
            positions[i] = transform_point(bones[model->vertex_bones[i]], model->vertices[i]);
        normals.resize(model->normals.size());
        for (std::size_t i = 0; i < model->normals.size(); ++i)
            normals[i] = rotate(bones[model->normal_bones[i]], model->normals[i]);
        for (const MeshData& mesh : model->meshes)
            list.meshes.push_back(draw_mesh(data, mesh, family, positions, normals));
    }
    set_bounds(list);
    return list;
}

} // namespace model
