#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace model {

// Four floats side by side in one vector register, as GCC and Clang build them: points and bones
// are taken four at a time where there are thousands of them to go through.
using Four = float __attribute__((vector_size(16)));
constexpr std::size_t lanes = sizeof(Four) / sizeof(float);

inline Four four_of(const float* first) {
    Four four;
    std::memcpy(&four, first, sizeof four);
    return four;
}

// Lane by lane, the lesser or the greater of each pair, the second where they compare equal.
inline Four lesser(Four a, Four b) {
    return a < b ? a : b;
}
inline Four greater(Four a, Four b) {
    return a > b ? a : b;
}

inline float least_of(Four four) {
    return std::min({four[0], four[1], four[2], four[3]});
}
inline float greatest_of(Four four) {
    return std::max({four[0], four[1], four[2], four[3]});
}

} // namespace model
