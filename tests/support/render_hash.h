#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace kravo::test {

inline constexpr std::uint64_t kHashStart = 14695981039346656037ull;

// FNV-1a over the samples' bit patterns: any change of a rendered sample, even
// in its last bit, changes the hash.
inline std::uint64_t fnv1a(std::uint64_t hash, const std::vector<float>& samples)
{
    for (float x : samples) {
        std::uint32_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        for (int byte = 0; byte < 4; ++byte) {
            hash ^= (bits >> (8 * byte)) & 0xFF;
            hash *= 1099511628211ull;
        }
    }
    return hash;
}

inline std::uint64_t stereoHash(const std::vector<float>& left, const std::vector<float>& right)
{
    return fnv1a(fnv1a(kHashStart, left), right);
}

// A fixed pseudo-random sequence of parameter values in 0..1, the same on every build.
class ValueSequence {
public:
    explicit ValueSequence(std::uint32_t seed) : state(seed) {}
    float next()
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 16777216.0f;
    }

private:
    std::uint32_t state;
};

} // namespace kravo::test
