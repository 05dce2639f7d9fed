#pragma once

#include "model/studio_model.h"
#include "model_writer.h"

// Reads a main file as test.mdl, with no companion files beside it.
inline platform::Result<model::StudioModel> read_bytes(const std::vector<std::uint8_t>& bytes) {
    return model::read_model(bytes, {}, "test.mdl");
}

inline platform::Result<model::StudioModel>
read_description(const model_writer::Description& description) {
    return read_bytes(model_writer::write_model(description).main);
}
