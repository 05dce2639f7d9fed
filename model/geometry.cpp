#include "model/geometry.h"

#include "model/limits.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace model {

namespace {

std::string index_of(std::int64_t index, std::int64_t count) {
    return std::to_string(index) + " of " + std::to_string(count);
}

// What all models of the file hold together so far.
struct Totals {
    std::int64_t vertices = 0;
    std::int64_t normals = 0;
    std::int64_t corners = 0;
};

void add_to_total(const FileBytes& file, std::int64_t& total, std::int64_t count,
                  std::int64_t limit, const std::string& what) {
    total += count;
    if (total > limit)
        file.damaged("its models hold more than " + std::to_string(limit) + " " + what);
}

// Points on bones, vertices or normals: the bone of each (one byte) and its coordinates in that
// bone's space.
void read_points(const FileBytes& file, std::uint64_t record, std::int64_t bone_count,
                 const std::string& noun, const std::string& plural, const std::string& model,
                 std::vector<std::uint8_t>& bones, std::vector<Vec3>& points) {
    namespace fields = layout::points;
    const std::string of_model = " of model " + model;
    const std::int32_t count = file.i32(record + fields::count);
    file.check_count(count, limits::vertices, plural + of_model);
    const Table bone_table = file.table(count, file.i32(record + fields::bones), 1, count,
                                        "the " + noun + " bones" + of_model);
    const Table point_table = file.table(count, file.i32(record + fields::positions),
                                         layout::vec3_size, count, "the " + plural + of_model);
    // Both arrays checked and taken whole, as models have thousands of points.
    const auto point_bones = file.span(bone_table.offset, static_cast<std::uint64_t>(count));
    const auto positions =
        file.span(point_table.offset, point_table.at(count) - point_table.offset);
    bones.reserve(bones.size() + point_bones.size());
    points.reserve(points.size() + point_bones.size());
    for (std::size_t i = 0; i < point_bones.size(); ++i) {
        const auto point = [&] { return noun + " " + std::to_string(i) + of_model; };
        const std::uint8_t bone = point_bones[i];
        if (bone >= bone_count)
            file.damaged(point() + " follows bone " + index_of(bone, bone_count));
        bones.push_back(bone);
        const Vec3 position = point_in(positions, i);
        if (!std::isfinite(position.x) || !std::isfinite(position.y) || !std::isfinite(position.z))
            file.damaged(point() + " has a coordinate that is not a number");
        points.push_back(position);
    }
}

// A strip's triangle i is (i, i + 1, i + 2), every other one flipped to keep the strip's turn; a
// fan's is (0, i + 1, i + 2). Both wind clockwise seen from outside, so each goes out as (a, c, b).
void add_triangles(MeshData& mesh, std::uint32_t first, std::uint32_t count, bool fan) {
    for (std::uint32_t i = 0; i + 2 < count; ++i) {
        std::uint32_t a = first + i;
        std::uint32_t b = first + i + 1;
        if (fan)
            a = first;
        else if (i % 2 == 1)
            std::swap(a, b);
        mesh.triangles.push_back({a, first + i + 2, b});
    }
}

void read_commands(const FileBytes& file, std::uint64_t at, const ModelData& model,
                   const std::string& model_name, MeshData& mesh, Totals& totals) {
    const std::string where = "the triangles of model " + model_name;
    for (;;) {
        const int count = file.i16(at);
        at += 2;
        if (count == 0)
            return;
        const int corners = std::abs(count);
        if (corners < 3)
            file.damaged(where + " have a command of fewer than 3 corners");
        if (static_cast<std::int64_t>(mesh.corners.size()) + corners > limits::corners)
            file.damaged("a mesh of model " + model_name + " has more than " +
                         std::to_string(limits::corners) + " triangle corners");
        add_to_total(file, totals.corners, corners, limits::total_corners, "triangle corners");
        namespace corner = layout::corner;
        const std::uint64_t size = static_cast<std::uint64_t>(corners) * corner::size;
        if (!file.holds(at, size))
            file.damaged(where + " run past the end of the file");
        // The command's corners checked and read in one go, as there are thousands.
        const std::span<const std::uint8_t> command = file.span(at, size);
        const auto field = [&command](std::uint64_t c, layout::Offset offset) {
            std::int16_t value;
            std::memcpy(&value, command.data() + c * corner::size + offset, sizeof value);
            return value;
        };
        at += size;
        const auto first = static_cast<std::uint32_t>(mesh.corners.size());
        for (std::uint64_t c = 0; c < static_cast<std::uint64_t>(corners); ++c) {
            const std::int16_t vertex = field(c, corner::vertex);
            const std::int16_t normal = field(c, corner::normal);
            const auto vertices = static_cast<std::int64_t>(model.vertices.size());
            const auto normals = static_cast<std::int64_t>(model.normals.size());
            if (vertex < 0 || vertex >= vertices)
                file.damaged("a triangle of model " + model_name + " names vertex " +
                             index_of(vertex, vertices));
            if (normal < 0 || normal >= normals)
                file.damaged("a triangle of model " + model_name + " names normal " +
                             index_of(normal, normals));
            mesh.corners.push_back({static_cast<std::uint16_t>(vertex),
                                    static_cast<std::uint16_t>(normal), field(c, corner::s),
                                    field(c, corner::t)});
        }
        add_triangles(mesh, first, static_cast<std::uint32_t>(corners), count < 0);
    }
}

ModelData read_model_record(const FileBytes& file, std::uint64_t at, const std::string& name,
                            std::int64_t bone_count, std::int64_t skin_references, Totals& totals) {
    namespace fields = layout::body_model;
    ModelData model;
    read_points(file, at + fields::vertices, bone_count, "vertex", "vertices", name,
                model.vertex_bones, model.vertices);
    read_points(file, at + fields::normals, bone_count, "normal", "normals", name,
                model.normal_bones, model.normals);
    add_to_total(file, totals.vertices, static_cast<std::int64_t>(model.vertices.size()),
                 limits::total_vertices, "vertices");
    add_to_total(file, totals.normals, static_cast<std::int64_t>(model.normals.size()),
                 limits::total_vertices, "normals");
    const Table meshes = file.table_at(at, fields::meshes, layout::mesh::size, limits::meshes,
                                       "meshes of model " + name);
    for (std::int64_t m = 0; m < meshes.count; ++m) {
        const std::uint64_t mesh_at = meshes.at(m);
        const std::string mesh_name = "mesh " + std::to_string(m) + " of model " + name;
        MeshData mesh;
        mesh.skin_reference = file.i32(mesh_at + layout::mesh::skin_reference);
        if (mesh.skin_reference < 0 || mesh.skin_reference >= skin_references)
            file.damaged(mesh_name + " names skin reference " +
                         index_of(mesh.skin_reference, skin_references));
        const std::int32_t triangles = file.i32(mesh_at + layout::mesh::triangle_count);
        if (triangles < 0)
            file.damaged(mesh_name + " counts " + std::to_string(triangles) + " triangles");
        if (triangles > 0) {
            const std::int32_t commands = file.i32(mesh_at + layout::mesh::commands);
            file.check_inside(commands, sizeof(std::int16_t), "the triangles of " + mesh_name);
            read_commands(file, static_cast<std::uint64_t>(commands), model, name, mesh, totals);
        }
        model.meshes.push_back(std::move(mesh));
    }
    return model;
}

} // namespace

Geometry read_body_parts(const FileBytes& file, const Table& body_parts, std::int64_t bone_count,
                         std::int64_t skin_references) {
    Geometry geometry;
    Totals totals;
    for (std::int64_t p = 0; p < body_parts.count; ++p) {
        namespace fields = layout::body_part;
        const std::uint64_t at = body_parts.at(p);
        BodyPartInfo info{file.text(at + fields::name, layout::name_size), {}};
        BodyPartData data;
        const std::int32_t count = file.i32(at + fields::model_count);
        if (count < 1)
            file.damaged("body part " + info.name + " has no models");
        data.base = file.i32(at + fields::base);
        if (data.base < 1)
            file.damaged("body part " + info.name + " has a base of " + std::to_string(data.base));
        const Table models =
            file.table(count, file.i32(at + fields::models), layout::body_model::size,
                       limits::models, "models of body part " + info.name);
        for (std::int64_t m = 0; m < models.count; ++m) {
            const std::uint64_t model_at = models.at(m);
            info.choices.push_back(
                file.text(model_at + layout::body_model::name, layout::name_size));
            data.models.push_back(read_model_record(file, model_at, info.choices.back(), bone_count,
                                                    skin_references, totals));
        }
        geometry.infos.push_back(std::move(info));
        geometry.parts.push_back(std::move(data));
    }
    return geometry;
}

} // namespace model
