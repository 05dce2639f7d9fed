#include "model/server_check_words.h"

#include <cstdio>

namespace model {

namespace {

std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    return text;
}

// The model's own directions: X forward, Y to its left, Z up.
constexpr const char* directions[3][2] = {
    {"back", "forward"}, {"to the right", "to the left"}, {"down", "up"}};
constexpr char axes[] = "XYZ";

// How far the model reaches beyond one side, and how far servers allow: "58.2 forward (X), where
// servers allow 38.0".
std::string outside_words(const AxisOutside& outside) {
    // Distances along the side's own direction: a bottom of -45.2 lies 45.2 down.
    const float sign = outside.beyond_max ? 1.0f : -1.0f;
    return number(sign * outside.measured) + " " +
           directions[outside.axis][outside.beyond_max ? 1 : 0] + " (" + axes[outside.axis] +
           "), where servers allow " + number(sign * outside.allowed);
}

} // namespace

std::string box_words(const Box& box) {
    const auto point = [](const Vec3& p) {
        return "(" + number(p.x) + ", " + number(p.y) + ", " + number(p.z) + ")";
    };
    return point(box.min) + " to " + point(box.max);
}

std::string verdict_reason(const ServerCheck& check, std::string_view file_name) {
    switch (check.verdict) {
    case Verdict::accepted:
        return "within the box servers allow for " + std::string(file_name) + ", " +
               box_words(*check.allowed);
    case Verdict::refused: {
        std::string reason = "it reaches ";
        for (std::size_t i = 0; i < check.outside.size(); ++i)
            reason += (i == 0 ? "" : "; ") + outside_words(check.outside[i]);
        return reason;
    }
    case Verdict::not_checked:
        return "no server checks " + std::string(file_name);
    case Verdict::cannot_tell:
        return check.reason;
    }
    return {};
}

} // namespace model
