#pragma once

#include <string>

namespace library {

// Opens a model file in the model viewer mdl.exe of the program folder and returns once the
// viewer has been closed. Only the model's path is quoted, as the viewer expects.
void preview_model(const std::string& model_path);

} // namespace library
