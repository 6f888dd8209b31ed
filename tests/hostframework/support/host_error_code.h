#pragma once

#include "hostframework/host_error.h"

#include <cstdint>

namespace kravo::test {

// The code of the host error the call throws; 0 when it throws none.
template <class Call>
std::int32_t hostErrorCode(Call&& call)
{
    try {
        call();
    } catch (const CHostError& error) {
        return error.GetCode();
    }
    return 0;
}

} // namespace kravo::test
