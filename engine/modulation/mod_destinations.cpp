#include "engine/modulation/mod_destinations.h"

namespace modulation {

void ModDestinationTable::resetToBase()
{
    for (int d = 0; d < kModDestinationCount; ++d) {
        value[d] = modDestinationBase(d);
        ratio[d] = 1.0f;
    }
}

} // namespace modulation
