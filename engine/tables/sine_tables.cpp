#include "engine/tables/sine_tables.h"

#include <cmath>
#include <memory>

namespace tables {

namespace {

// Pi as a float (3.141592502593994), so every instance's cycle ends where the
// stored sounds expect it.
constexpr float kPi = 3.1415925f;

std::unique_ptr<SineTables> buildSineTables()
{
    auto t = std::make_unique<SineTables>();
    for (int i = 0; i < SineTables::kSize; ++i) {
        const float x = 2.0f * kPi * static_cast<float>(i) / static_cast<float>(SineTables::kSize);
        t->sine[i] = static_cast<float>(std::sin(static_cast<double>(x)));
        t->cosine[i] = static_cast<float>(std::cos(static_cast<double>(x)));
        t->unipolarSine[i] = 0.5f * t->sine[i] + 0.5f;
    }
    return t;
}

} // namespace

const SineTables& sineTables()
{
    static const std::unique_ptr<SineTables> tables = buildSineTables();
    return *tables;
}

} // namespace tables
