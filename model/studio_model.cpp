#include "model/model_data.h"

#include <cmath>

namespace model {

StudioModel::StudioModel(std::unique_ptr<Data> data) : data_(std::move(data)) {}
StudioModel::~StudioModel() = default;
StudioModel::StudioModel(StudioModel&&) noexcept = default;
StudioModel& StudioModel::operator=(StudioModel&&) noexcept = default;

const std::string& StudioModel::name() const {
    return data_->name;
}
int StudioModel::bone_count() const {
    return static_cast<int>(data_->bones.size());
}
const std::vector<SequenceInfo>& StudioModel::sequences() const {
    return data_->sequences;
}
const std::vector<BodyPartInfo>& StudioModel::body_parts() const {
    return data_->body_part_infos;
}
int StudioModel::skin_families() const {
    return data_->skin_families;
}
const std::vector<Texture>& StudioModel::textures() const {
    return data_->textures;
}

float StudioModel::frame_at(int sequence, double seconds) const {
    if (sequence < 0 || sequence >= static_cast<int>(data_->sequences.size()))
        return 0;
    const SequenceInfo& info = data_->sequences[static_cast<std::size_t>(sequence)];
    const double last = info.frame_count - 1;
    const double frame = seconds * info.fps;
    if (last <= 0 || !(info.fps > 0) || !std::isfinite(frame))
        return 0;
    if (!info.looping)
        return static_cast<float>(std::clamp(frame, 0.0, last));
    // A looping sequence's last frame repeats its first, so it plays frames 0 to last - 1 and
    // wraps.
    double wrapped = std::fmod(frame, last);
    if (wrapped < 0)
        wrapped += last;
    return wrapped < last ? static_cast<float>(wrapped) : 0.0f;
}

std::vector<int> StudioModel::body_choices(int body_value) const {
    std::vector<int> choices;
    for (const BodyPartData& part : data_->body_parts)
        choices.push_back(
            body_value < 0 ? 0 : body_value / part.base % static_cast<int>(part.models.size()));
    return choices;
}

} // namespace model
