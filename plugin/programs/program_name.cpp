#include "plugin/programs/program_name.h"

namespace kravo {

void truncateProgramName(char* name)
{
    int i = 0;
    while (i < kMaxProgramNameLength) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 32 || c > 127)
            break;
        ++i;
    }
    name[i] = 0;
}

} // namespace kravo
