#include "hostframework/host_error.h"

void ThrowIfFalse(bool condition)
{
    if (!condition)
        throw CHostError(kHostErrCheckFailed);
}

void ThrowIfNull(const void* pointer)
{
    if (pointer == nullptr)
        throw CHostError(kHostErrNullValue);
}

void ThrowIfZero(std::int32_t value)
{
    if (value == 0)
        throw CHostError(kHostErrNullValue);
}

void ThrowIfError(std::int16_t code)
{
    if (code != 0)
        throw CHostError(code);
}
