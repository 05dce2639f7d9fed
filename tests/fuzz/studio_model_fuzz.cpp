// A model file as anyone may have made it: the main file, then after each "--next file--" the
// texture file and the group file that the reader is handed whatever name it asks for. Each of
// Tessary's readers of models reads it: an import's, the group file's, the servers' check's.
#include "model/companions.h"
#include "model/server_check.h"
#include "model/studio_model.h"

#include <algorithm>
#include <string_view>

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
    return 0;
}
