// A model file as anyone may have made it: the main file, then after each "--next file--" the
// texture file and the group file that the reader is handed whatever name it asks for. Each of
// Tessary's readers of models reads it: an import's, the group file's, the servers' check's, and
// the Check window's, which reads the main file from disk a page at a time.
#include "model/companions.h"
#include "model/server_check.h"
#include "model/studio_model.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// Fresh memory filled, as a read of the main file a page at a time must read each byte it takes
// from disk: one it took unread would be this fill and would tell from the file read whole.
extern "C" const char* __asan_default_options() {
    return "max_malloc_fill_size=67108864:malloc_fill_byte=190";
}

namespace {

// Why a reader refused the file, else the bytes of what it made of it (a box has no padding).
std::string outcome(const platform::Result<model::Box>& box) {
    return box ? std::string(reinterpret_cast<const char*>(&*box), sizeof *box)
               : platform::english(box.messages().front());
}

// The main file read from disk with pages of 16 bytes must give what it gives read whole: the
// measured box, and what the glance at the model for its picture reads.
void compare_with_paged(const std::vector<std::uint8_t>& main,
                        const model::SiblingReader& sibling) {
    static const struct Input {
        std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("tessary-fuzz-" + std::to_string(getpid()) + ".mdl");
        ~Input() { std::filesystem::remove(path); }
    } input;
    std::ofstream(input.path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(main.data()),
               static_cast<std::streamsize>(main.size()));
    const auto paged = [] {
        return std::move(*model::PagedFile::open(platform::Path(input.path.string()), 64 << 20,
                                                 model::PagedFile::byte_checking));
    };
    if (outcome(model::measure_consistency_box(main)) !=
        outcome(model::measure_consistency_box(paged())))
        __builtin_trap();
    const auto glance = [&](model::KeptFile file) {
        const auto model =
            model::read_model(std::move(file), sibling, "fuzz.mdl", model::Sequences::first);
        if (!model)
            return platform::english(model.messages().front());
        std::string seen = outcome(model->bounds({0, 0, {}}).value_or(model::Box{}));
        for (const auto& texture : model->textures())
            seen.append(texture.indices.begin(), texture.indices.end());
        return seen;
    };
    if (glance(std::string(main.begin(), main.end())) != glance(paged()))
        __builtin_trap();
}

// Framing walks each channel's runs on from frame to frame and passes over the bones that stay
// inside the box so far: over a sequence of one blend set, it must give the box that the drawings
// of its frames make together.
void compare_framing_with_drawing(const model::StudioModel& model,
                                  const std::vector<int>& choices) {
    for (int sequence = 0; sequence < static_cast<int>(model.sequences().size()); ++sequence) {
        const auto& info = model.sequences()[static_cast<std::size_t>(sequence)];
        if (info.blends != 1 || info.frame_count > 64)
            continue;
        std::optional<model::Box> drawn;
        for (int frame = 0; frame < info.frame_count; ++frame)
            for (const auto& mesh :
                 model.draw({sequence, static_cast<float>(frame), choices}).meshes)
                for (const auto& vertex : mesh.vertices)
                    model::include(drawn, vertex.position);
        // A NaN or an infinity leaves the comparison to how each takes it.
        const float* corners = drawn ? &drawn->min.x : nullptr;
        if (!drawn || !std::all_of(corners, corners + 6, [](float c) { return std::isfinite(c); }))
            continue;
        const auto framed = model.bounds({sequence, 0, choices});
        if (!framed || outcome(*drawn) != outcome(*framed))
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::string_view marker = "--next file--";
    std::vector<std::vector<std::uint8_t>> files;
    for (std::string_view rest(reinterpret_cast<const char*>(data), size); files.size() < 3;) {
        const std::size_t end = std::min(rest.find(marker), rest.size());
        files.emplace_back(rest.begin(), rest.begin() + end);
        if (end == rest.size())
            break;
        rest.remove_prefix(end + marker.size());
    }
    const auto sibling = [&](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
        const std::size_t index = name.ends_with("T.mdl") ? 1 : 2;
        return index < files.size() ? std::optional(files[index]) : std::nullopt;
    };
    (void)model::companion_needs(files[0]);
    (void)model::group_file_paths(files[0]);
    (void)model::read_group_file(files[0], "fuzz01.mdl");
    (void)model::studio_kind(files[0]);
    (void)model::load_refusal(files[0]);
    // A measured box holds its points: on every axis its least corner is at most its greatest,
    // which a NaN would fail.
    if (const auto box = model::measure_consistency_box(files[0]);
        box && !(box->min.x <= box->max.x && box->min.y <= box->max.y && box->min.z <= box->max.z))
        __builtin_trap();
    (void)model::check_for_servers(files[0], "gign.mdl");
    compare_with_paged(files[0], sibling);
    const auto model = model::read_model(files[0], sibling, "fuzz.mdl");
    if (!model)
        return 0;
    // Whatever was accepted must pose and draw, every sequence and one past the last at any frame
    // and blend, with choices out of range, and give its bounds over all frames.
    const std::vector<int> choices(model->body_parts().size(), 1);
    for (int sequence = -1; sequence <= static_cast<int>(model->sequences().size()); ++sequence) {
        for (const float frame : {0.0f, 0.5f, model->frame_at(sequence, 1e9), 1e30f})
            for (const float blend : {0.3f, -1e30f})
                (void)model->draw({sequence, frame, choices, 1, blend});
        (void)model->bounds({sequence, 0, choices});
    }
    compare_framing_with_drawing(*model, choices);
    return 0;
}
