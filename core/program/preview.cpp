#include "core/program/preview.h"

#include "core/sources/extracted_files.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/process.h"

namespace core {

namespace {

Result<> run_viewer(const Library& library, const Path& model, const WhileViewing& while_viewing) {
    const auto viewer = library.program_file("mdl.exe");
    if (!platform::is_ordinary_file(viewer))
        return fail(said("The model viewer %1 is missing, so Tessary cannot show the model. Unpack "
                         "Tessary again to get it back.",
                         platform::native_path(viewer)));
    if (!platform::run_and_wait({viewer, {model}}, while_viewing))
        return fail(
            said("The model viewer %1 could not be started.", platform::native_path(viewer)));
    return {};
}

} // namespace

Result<> preview_source_file(const Library& library, const std::optional<SourceFolder>& folder,
                             const std::string& picked_file, const WhileViewing& while_viewing) {
    if (picked_file.empty() || !folder)
        return fail(said("No file selected."));
    const auto files = ExtractedFiles::open(library, *folder, {picked_file});
    if (!files)
        return files.failure();
    return run_viewer(library, files->folder() / picked_file, while_viewing);
}

Result<> preview_library_model(const Library& library, const LibraryModel& model,
                               const WhileViewing& while_viewing) {
    if (model.name.empty())
        return fail(said(facts(model.kind).nothing_to_preview));
    for (const auto& file : previewed_files(model.kind, model.type)) {
        const auto path = library.file(model, file);
        if (facts(model.kind).model_holds_every_file || platform::is_ordinary_file(path))
            return run_viewer(library, path, while_viewing);
    }
    return {};
}

Result<> preview_file(const Library& library, const Path& file, const WhileViewing& while_viewing) {
    return run_viewer(library, file, while_viewing);
}

Result<bool> hold_console() {
    return platform::set_up_console();
}

void release_console() {
    platform::release_console();
}

} // namespace core
