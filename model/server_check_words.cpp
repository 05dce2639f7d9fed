#include "model/server_check_words.h"

#include "model/said.h"
#include "platform/names.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace model {

namespace {

// "%1", "%1 and %2", "%1, %2 and %3"; nothing for none. There are never more: one for each axis.
platform::Message listed(const std::vector<platform::Message>& items) {
    switch (items.size()) {
    case 0:
        return {};
    case 1:
        return items[0];
    case 2:
        return said("%1 and %2", items[0], items[1]);
    default:
        return said("%1, %2 and %3", items[0], items[1], items[2]);
    }
}

std::string number(double value, int decimals = 1) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// As many decimals as it takes, one at least, for a side outside to read neither as out by nothing
// nor as on the side allowed: never "24.0 where servers allow 24.0".
int decimals_for(const AxisOutside& side) {
    const double by = std::abs(double{side.measured} - side.allowed);
    int decimals = 1;
    while (decimals < 9 && (number(by, decimals) == number(0, decimals) ||
                            number(side.measured, decimals) == number(side.allowed, decimals)))
        ++decimals;
    return decimals;
}

// How far one axis of the box reaches beyond the allowed one: on the side that is further out
// when both are. In axis order, as the sides outside come.
struct Excess {
    int axis = 0;
    bool beyond_max = false;
    double by = 0;
    double allowed = 0; // from the origin, along the side's own direction
    int decimals = 1;
};

std::vector<Excess> excesses(const std::vector<AxisOutside>& outside) {
    std::vector<Excess> axes;
    for (const AxisOutside& side : outside) {
        // Distances along the side's own direction: a bottom at -45.2 lies 45.2 down.
        const double sign = side.beyond_max ? 1 : -1;
        const Excess excess{side.axis, side.beyond_max,
                            sign * (double{side.measured} - side.allowed), sign * side.allowed,
                            decimals_for(side)};
        const auto same_axis = [&](const Excess& e) { return e.axis == side.axis; };
        if (const auto found = std::find_if(axes.begin(), axes.end(), same_axis);
            found == axes.end())
            axes.push_back(excess);
        else if (found->by < excess.by)
            *found = excess;
    }
    // The worst first, the others as they come: long, wide, tall.
    const auto worst = std::max_element(
        axes.begin(), axes.end(), [](const Excess& a, const Excess& b) { return a.by < b.by; });
    if (worst != axes.end())
        std::rotate(axes.begin(), worst, worst + 1);
    return axes;
}

// "(-37.4, -21.1, -40.8) to (37.4, 21.1, 40.8)", never with a "-0.0".
platform::Message box_words(const Box& box, int decimals = 1) {
    const auto shown = [decimals](float value) {
        const bool zero = number(std::abs(value), decimals) == number(0, decimals);
        return platform::Decimal{zero ? 0.0 : value, decimals};
    };
    const auto point = [&shown](const Vec3& p) {
        return said("(%1, %2, %3)", shown(p.x), shown(p.y), shown(p.z));
    };
    return said("%1 to %2", point(box.min), point(box.max));
}

} // namespace

platform::Message outside_words(const std::vector<AxisOutside>& outside) {
    if (outside.empty())
        return {};
    constexpr const char* first[3] = {platform::to_say("%1 units too long"),
                                      platform::to_say("%1 units too wide"),
                                      platform::to_say("%1 units too tall")};
    constexpr const char* then[3] = {platform::to_say("%1 too long"),
                                     platform::to_say("%1 too wide"),
                                     platform::to_say("%1 too tall")};
    // The model's own directions: X forward, Y to its left, Z up.
    constexpr const char* allowance[3][2] = {
        {platform::to_say("%1 back"), platform::to_say("%1 forward")},
        {platform::to_say("%1 to the right"), platform::to_say("%1 to the left")},
        {platform::to_say("%1 down"), platform::to_say("%1 up")}};
    std::vector<platform::Message> too_big, allowed;
    for (const Excess& excess : excesses(outside)) {
        too_big.push_back(said((too_big.empty() ? first : then)[excess.axis],
                               platform::Decimal{excess.by, excess.decimals}));
        allowed.push_back(said(allowance[excess.axis][excess.beyond_max ? 1 : 0],
                               platform::Decimal{excess.allowed, excess.decimals}));
    }
    return said("%1 for servers, which allow %2", listed(too_big), listed(allowed));
}

platform::Message measured_box_words(const ServerCheck& check, std::string_view file_name) {
    if (!check.measured)
        return {};
    int decimals = 1;
    for (const AxisOutside& side : sides_outside(*check.measured, compared_box(file_name).box))
        decimals = std::max(decimals, decimals_for(side));
    return box_words(*check.measured, decimals);
}

platform::Message verdict_reason(const ServerCheck& check, std::string_view file_name) {
    switch (check.verdict) {
    case Verdict::accepted:
        return said("within the box servers allow for %1, %2", file_name,
                    box_words(*check.allowed));
    case Verdict::refused:
        return outside_words(check.outside);
    case Verdict::not_checked:
        return said("no server checks %1", file_name);
    case Verdict::cannot_tell:
        return check.reason;
    }
    return {};
}

platform::Message server_facts(const ServerCheck& check, std::string_view file_name) {
    const platform::Message reason = verdict_reason(check, file_name);
    platform::Message verdict;
    switch (check.verdict) {
    case Verdict::accepted:
        verdict = said("As %1, servers accept it: it is %2.", file_name, reason);
        break;
    case Verdict::refused:
        verdict = said("As %1, servers refuse it: it is %2. A server that enforces file "
                       "consistency, as servers do unless told otherwise, drops a player who "
                       "uses it.",
                       file_name, reason);
        break;
    case Verdict::not_checked:
        verdict = said("No server checks a file named %1.", file_name);
        break;
    case Verdict::cannot_tell:
        verdict = said("As %1, whether servers accept it cannot be told: %2.", file_name, reason);
        break;
    }
    if (!check.measured)
        return verdict;
    return said("Servers measure its box as %1.\n%2", measured_box_words(check, file_name),
                verdict);
}

platform::Message install_question(const ServerCheck& check, std::string_view file_name,
                                   std::string_view model_name) {
    return said("Servers will refuse this model: it is larger than they allow.\n\n%1 of the "
                "model \"%2\" is %3. Servers that enforce file consistency, as they do unless "
                "told otherwise, drop a player who uses it while connecting.\n\nInstall it "
                "all the same?",
                file_name, model_name, outside_words(check.outside));
}

platform::Message compared_box_words(const ComparedBox& compared, std::string_view file_name) {
    if (compared.file_name.empty())
        return said("the box servers allow for a player model, as none checks %1", file_name);
    if (platform::same_name(compared.file_name, file_name))
        return said("the box servers allow for %1", file_name);
    return said("the box servers allow for %1, as none checks %2", compared.file_name, file_name);
}

} // namespace model
