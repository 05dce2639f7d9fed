#include "core/preview.h"

#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/program_folder.h"

namespace core {

void preview_model(const Path& model) {
    // The model's path is quoted so that it reaches the viewer as one argument, blanks and all;
    // the viewer's own path is found in the command line however many blanks it holds.
    platform::run_and_wait(platform::native_path(platform::program_folder() / "mdl.exe") + " \"" +
                           platform::native_path(model) + '"');
}

Result<bool> hold_console() {
    return platform::set_up_console();
}

void release_console() {
    platform::release_console();
}

} // namespace core
