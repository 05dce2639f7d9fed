#include "model/server_check_words.h"

#include "platform/names.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>

namespace model {

namespace {

// The pattern with %1, %2, ... replaced by the values in turn.
std::string sentence(std::string_view pattern, std::initializer_list<std::string> values) {
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        if (pattern[at] == '%' && next >= '1' && next < '1' + static_cast<int>(values.size())) {
            text += values.begin()[next - '1'];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

// "%1", "%1 and %2", "%1, %2 and %3".
std::string listed(const std::vector<std::string>& items) {
    switch (items.size()) {
    case 1:
        return items[0];
    case 2:
        return sentence("%1 and %2", {items[0], items[1]});
    default:
        return sentence("%1, %2 and %3", {items[0], items[1], items[2]});
    }
}

std::string number(double value, int decimals = 1) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// How far one axis of the box reaches beyond the allowed one: on the side that is further out
// when both are. In axis order, as the sides outside come.
struct Excess {
    int axis = 0;
    bool beyond_max = false;
    double by = 0;
    double allowed = 0; // from the origin, along the side's own direction
    int decimals = 1;   // as many as it takes for the excess not to read as nothing
};

std::vector<Excess> excesses(const std::vector<AxisOutside>& outside) {
    std::vector<Excess> axes;
    for (const AxisOutside& side : outside) {
        // Distances along the side's own direction: a bottom at -45.2 lies 45.2 down.
        const double sign = side.beyond_max ? 1 : -1;
        Excess excess{side.axis, side.beyond_max, sign * (double{side.measured} - side.allowed),
                      sign * side.allowed};
        while (excess.decimals < 9 &&
               number(excess.by, excess.decimals) == number(0, excess.decimals))
            ++excess.decimals;
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

} // namespace

std::string outside_words(const std::vector<AxisOutside>& outside) {
    constexpr const char* first[3] = {"%1 units too long", "%1 units too wide",
                                      "%1 units too tall"};
    constexpr const char* then[3] = {"%1 too long", "%1 too wide", "%1 too tall"};
    // The model's own directions: X forward, Y to its left, Z up.
    constexpr const char* allowance[3][2] = {
        {"%1 back", "%1 forward"}, {"%1 to the right", "%1 to the left"}, {"%1 down", "%1 up"}};
    std::vector<std::string> too_big, allowed;
    for (const Excess& excess : excesses(outside)) {
        too_big.push_back(sentence((too_big.empty() ? first : then)[excess.axis],
                                   {number(excess.by, excess.decimals)}));
        allowed.push_back(sentence(allowance[excess.axis][excess.beyond_max ? 1 : 0],
                                   {number(excess.allowed, excess.decimals)}));
    }
    return sentence("%1 for servers, which allow %2", {listed(too_big), listed(allowed)});
}

std::string box_words(const Box& box) {
    const auto point = [](const Vec3& p) {
        return sentence("(%1, %2, %3)", {number(p.x), number(p.y), number(p.z)});
    };
    return sentence("%1 to %2", {point(box.min), point(box.max)});
}

std::string verdict_reason(const ServerCheck& check, std::string_view file_name) {
    const std::string file(file_name);
    switch (check.verdict) {
    case Verdict::accepted:
        return sentence("within the box servers allow for %1, %2",
                        {file, box_words(*check.allowed)});
    case Verdict::refused:
        return outside_words(check.outside);
    case Verdict::not_checked:
        return sentence("no server checks %1", {file});
    case Verdict::cannot_tell:
        return check.reason;
    }
    return {};
}

std::string server_facts(const ServerCheck& check, std::string_view file_name) {
    const std::string file(file_name), reason = verdict_reason(check, file_name);
    std::string verdict;
    switch (check.verdict) {
    case Verdict::accepted:
        verdict = sentence("As %1, servers accept it: it is %2.", {file, reason});
        break;
    case Verdict::refused:
        verdict = sentence("As %1, servers refuse it: it is %2. A server that enforces file "
                           "consistency, as servers do unless told otherwise, drops a player who "
                           "uses it.",
                           {file, reason});
        break;
    case Verdict::not_checked:
        verdict = sentence("No server checks a file named %1.", {file});
        break;
    case Verdict::cannot_tell:
        verdict = sentence("As %1, whether servers accept it cannot be told: %2.", {file, reason});
        break;
    }
    if (!check.measured)
        return verdict;
    return sentence("Servers measure its box as %1.\n%2", {box_words(*check.measured), verdict});
}

std::string install_question(const ServerCheck& check, std::string_view file_name,
                             std::string_view model_name) {
    return sentence(
        "Servers will refuse this model: it is larger than they allow.\n\n%1 of the "
        "model \"%2\" is %3. Servers that enforce file consistency, as they do unless "
        "told otherwise, drop a player who uses it while connecting.\n\nInstall it "
        "all the same?",
        {std::string(file_name), std::string(model_name), outside_words(check.outside)});
}

std::string compared_box_words(const ComparedBox& compared, std::string_view file_name) {
    const std::string file(file_name);
    if (compared.file_name.empty())
        return sentence("the box servers allow for a player model, as none checks %1", {file});
    if (platform::same_name(compared.file_name, file))
        return sentence("the box servers allow for %1", {file});
    return sentence("the box servers allow for %1, as none checks %2", {compared.file_name, file});
}

} // namespace model
