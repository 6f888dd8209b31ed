#pragma once

#include <array>
#include <cstddef>

namespace kravo::param {

// Every setting of the instrument is one of these float parameters, each in 0..1.
inline constexpr int kParameterCount = 9900;

// The indices of one per-voice (or per-slot) parameter, one entry per voice in slot order.
template <std::size_t N>
using ParameterIndexTable = std::array<int, N>;

// A table of `count` indices that follow each other from `first` in steps of `stride`.
template <std::size_t N>
constexpr ParameterIndexTable<N> indexRun(int first, int stride = 1)
{
    ParameterIndexTable<N> table{};
    for (std::size_t i = 0; i < N; ++i)
        table[i] = first + stride * static_cast<int>(i);
    return table;
}

} // namespace kravo::param
