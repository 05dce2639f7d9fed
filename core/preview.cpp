#include "core/preview.h"

#include "platform/console.h"
#include "platform/process.h"
#include "platform/program_folder.h"

namespace core {

void preview_model(const Path& model) {
    // Only the model's path is quoted, as the viewer's command line has always been.
    platform::run_and_wait(platform::program_folder().text() + "\\mdl.exe " + '"' + model.text() +
                           '"');
}

Result<bool> hold_console() {
    return platform::set_up_console();
}

void release_console() {
    platform::release_console();
}

} // namespace core
