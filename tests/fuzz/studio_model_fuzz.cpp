// A model file as anyone may have made it, with its companions: the input is the main file, then
// after each "--next file--" the texture file and the sequence group file that the reader is
// handed whatever name it asks for.
#include "model/studio_model.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::string_view marker = "--next file--";
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::vector<std::uint8_t>> files;
    for (std::size_t start = 0; files.size() < 3;) {
        const std::size_t end = std::min(input.find(marker, start), input.size());
        files.emplace_back(data + start, data + end);
        if (end == input.size())
            break;
        start = end + marker.size();
    }
    const auto sibling = [&](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
        const std::size_t index = name.ends_with("T.mdl") ? 1 : 2;
        if (index < files.size())
            return files[index];
        return std::nullopt;
    };
    const auto model = model::read_model(files[0], sibling, "fuzz.mdl");
    if (!model)
        return 0;
    // Whatever was accepted must pose and draw: every sequence at its ends and between frames,
    // with choices out of range.
    const std::vector<int> choices(model->body_parts().size(), 1);
    (void)model->draw({-1, 0, choices, 1});
    for (int sequence = 0; sequence < static_cast<int>(model->sequences().size()); ++sequence) {
        const float last = model->frame_at(sequence, 1e9);
        for (const float frame : {0.0f, 0.5f, last, 1e30f})
            (void)model->draw({sequence, frame, choices, 1});
    }
    return 0;
}
