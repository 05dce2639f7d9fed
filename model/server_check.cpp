#include "model/server_check.h"

namespace model {

namespace {

float on_axis(const Vec3& point, int axis) {
    return axis == 0 ? point.x : axis == 1 ? point.y : point.z;
}

} // namespace

std::vector<AxisOutside> sides_outside(const Box& box, const Box& allowed) {
    std::vector<AxisOutside> outside;
    for (int axis = 0; axis < 3; ++axis) {
        const float min = on_axis(box.min, axis), allowed_min = on_axis(allowed.min, axis);
        const float max = on_axis(box.max, axis), allowed_max = on_axis(allowed.max, axis);
        if (min < allowed_min)
            outside.push_back({axis, false, min, allowed_min});
        if (max > allowed_max)
            outside.push_back({axis, true, max, allowed_max});
    }
    return outside;
}

ServerCheck check_for_servers(FileView file, std::string_view file_name) {
    ServerCheck check;
    check.allowed = allowed_box(file_name);
    auto measured = measure_consistency_box(file);
    if (measured)
        check.measured = *measured;
    else
        check.reason = measured.messages().front();
    if (!check.allowed)
        return check;
    if (!check.measured) {
        check.verdict = Verdict::cannot_tell;
        return check;
    }
    check.outside = sides_outside(*check.measured, *check.allowed);
    check.verdict = check.outside.empty() ? Verdict::accepted : Verdict::refused;
    return check;
}

} // namespace model
