#include "library/preview.h"

#include "platform/process.h"
#include "platform/program_folder.h"

namespace library {

void preview_model(const std::string& model_path) {
    platform::RunAndWait(platform::program_folder() + "\\mdl.exe " + '"' + model_path + '"');
}

} // namespace library
