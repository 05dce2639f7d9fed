#pragma once

#include "model/file_bytes.h"
#include "model/model_data.h"

#include <vector>

namespace model {

struct Geometry {
    std::vector<BodyPartInfo> infos;
    std::vector<BodyPartData> parts;
};

// The body parts with their models: vertices and normals on real bones, meshes on real skin
// references, triangle commands walked to their end and expanded into counter-clockwise
// triangles.
Geometry read_body_parts(const FileBytes& file, const Table& body_parts, std::int64_t bone_count,
                         std::int64_t skin_references);

} // namespace model
