#include "platform/float_control.h"

#include <xmmintrin.h>

namespace platform {

std::uint32_t readFloatControlWord()
{
    return _mm_getcsr();
}

void writeFloatControlWord(std::uint32_t word)
{
    _mm_setcsr(word);
}

} // namespace platform
