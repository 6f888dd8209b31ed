#pragma once

// The library's routines as the host reaches them, by selector.

#include "hostframework/routine_table.h"

#include <gtest/gtest.h>

namespace kravo::test {

template <typename Function>
Function routine(std::uint32_t selector)
{
    HostRoutine found = nullptr;
    EXPECT_EQ(_PI_GetRoutineDescriptor(selector, &found), 0);
    return reinterpret_cast<Function>(found);
}

} // namespace kravo::test
