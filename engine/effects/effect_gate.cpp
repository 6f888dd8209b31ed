#include "engine/effects/effect_gate.h"

#include <cmath>

namespace effects {

StereoPair EffectGate::processEachSide(float left, float right)
{
    return {left * step(sides[0], std::fabs(left)), right * step(sides[1], std::fabs(right))};
}

} // namespace effects
