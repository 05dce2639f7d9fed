#include "model/skeleton.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace model {

namespace {

std::string index_of(std::int64_t index, std::int64_t count) {
    return std::to_string(index) + " of " + std::to_string(count);
}

} // namespace

std::vector<BoneData> read_bones(const FileBytes& file, const Table& bones,
                                 std::int64_t controller_count) {
    std::vector<BoneData> result(static_cast<std::size_t>(bones.count));
    for (std::int64_t b = 0; b < bones.count; ++b) {
        namespace bone_record = layout::bone;
        const std::uint64_t at = bones.at(b);
        const std::string bone = "bone " + std::to_string(b);
        BoneData& data = result[static_cast<std::size_t>(b)];
        data.parent = file.i32(at + bone_record::parent);
        if (data.parent == b)
            file.damaged(bone + " names itself as its parent");
        if (data.parent < -1 || data.parent > b)
            file.damaged(bone + " names bone " + std::to_string(data.parent) +
                         " as its parent, which does not come before it");
        for (std::uint64_t j = 0; j < layout::channels; ++j) {
            const std::int32_t controller = file.i32(at + bone_record::controllers + j * 4);
            if (controller < -1 || controller >= controller_count)
                file.damaged(bone + " names bone controller " +
                             index_of(controller, controller_count));
            data.controllers[j] = controller;
            data.value[j] =
                file.finite(at + bone_record::value + j * 4, [&] { return "a value of " + bone; });
            data.scale[j] =
                file.finite(at + bone_record::scale + j * 4, [&] { return "a scale of " + bone; });
        }
    }
    return result;
}

std::vector<float> read_controller_settings(const FileBytes& file, const Table& controllers,
                                            std::int64_t bone_count) {
    std::vector<float> settings;
    for (std::int64_t c = 0; c < controllers.count; ++c) {
        namespace record = layout::bone_controller;
        const std::uint64_t at = controllers.at(c);
        const std::string controller = "bone controller " + std::to_string(c);
        const std::int32_t bone = file.i32(at + record::bone);
        if (bone < 0 || bone >= bone_count)
            file.damaged(controller + " moves bone " + index_of(bone, bone_count));
        const std::int32_t type = file.i32(at + record::type);
        const float start =
            file.finite(at + record::start, [&] { return "the range of " + controller; });
        const float end =
            file.finite(at + record::end, [&] { return "the range of " + controller; });
        const double low = std::min(start, end);
        const double high = std::max(start, end);
        double setting = std::clamp(0.0, low, high);
        if ((type & record::wraps) && high > low) {
            setting = low + std::fmod(-low, high - low);
            if (setting < low)
                setting += high - low;
        }
        if (type & layout::rotations)
            setting *= std::numbers::pi / 180;
        settings.push_back(static_cast<float>(setting));
    }
    return settings;
}

void check_attachments(const FileBytes& file, const Table& attachments, std::int64_t bone_count) {
    for (std::int64_t a = 0; a < attachments.count; ++a) {
        const std::int32_t bone = file.i32(attachments.at(a) + layout::attachment::bone);
        if (bone < 0 || bone >= bone_count)
            file.damaged("attachment " + std::to_string(a) + " follows bone " +
                         index_of(bone, bone_count));
    }
}

} // namespace model
