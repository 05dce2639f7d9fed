#include "core/preview.h"

#include "core/archive_sources.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/program_folder.h"

namespace core {

namespace {

void run_viewer(const Path& model) {
    // The model's path is quoted so that it reaches the viewer as one argument, blanks and all;
    // the viewer's own path is found in the command line however many blanks it holds.
    platform::run_and_wait(platform::native_path(platform::program_folder() / "mdl.exe") + " \"" +
                           platform::native_path(model) + '"');
}

} // namespace

Result<> preview_source_file(const Path& folder, const std::string& picked_file) {
    if (picked_file.empty())
        return fail("No file selected.");
    const auto source = SourceFiles::open(folder, {picked_file});
    if (!source)
        return source.failure();
    run_viewer(source->folder() / picked_file);
    return {};
}

Result<> preview_library_model(ModelKind kind, const std::string& name, const std::string& model) {
    if (model.empty())
        return fail(facts(kind).nothing_to_preview);
    for (const auto& file : previewed_files(kind, name)) {
        const auto path = model_file(kind, name, model, file);
        if (facts(kind).model_holds_every_file || platform::is_ordinary_file(path)) {
            run_viewer(path);
            break;
        }
    }
    return {};
}

Result<bool> hold_console() {
    return platform::set_up_console();
}

void release_console() {
    platform::release_console();
}

} // namespace core
