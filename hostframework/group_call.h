#pragma once

// What a routine of the routine table hands to the host-call runner: one call of one group
// operation with its arguments, built on the routine's stack.

#include <cstdint>
#include <tuple>
#include <utility>

class CProcessGroupInterface;

class SGenFuncRetLong {
public:
    virtual ~SGenFuncRetLong() = default;
    virtual std::int32_t Call() = 0;
};

// Calls a member operation of the group with the held arguments.
template <typename... Args>
class SGroupFunc : public SGenFuncRetLong {
public:
    using Operation = std::int32_t (CProcessGroupInterface::*)(Args...);

    SGroupFunc(CProcessGroupInterface& group, Operation operation, Args... args)
        : group(group), operation(operation), arguments(args...)
    {
    }
    std::int32_t Call() override
    {
        return std::apply([this](Args... args) { return (group.*operation)(args...); }, arguments);
    }

private:
    CProcessGroupInterface& group;
    Operation operation;
    std::tuple<Args...> arguments;
};

using S0ArgGroupFunc = SGroupFunc<>;
template <typename A1>
using S1ArgGroupFunc = SGroupFunc<A1>;
template <typename A1, typename A2>
using S2ArgGroupFunc = SGroupFunc<A1, A2>;
template <typename A1, typename A2, typename A3>
using S3ArgGroupFunc = SGroupFunc<A1, A2, A3>;
template <typename A1, typename A2, typename A3, typename A4>
using S4ArgGroupFunc = SGroupFunc<A1, A2, A3, A4>;
template <typename A1, typename A2, typename A3, typename A4, typename A5>
using S5ArgGroupFunc = SGroupFunc<A1, A2, A3, A4, A5>;
template <typename A1, typename A2, typename A3, typename A4, typename A5, typename A6>
using S6ArgGroupFunc = SGroupFunc<A1, A2, A3, A4, A5, A6>;

// Runs the call and turns every exception into a host error code: an allocation failure -9006,
// a CHostError its code, anything else -7401.
std::int32_t groupCallBarrier(SGenFuncRetLong& call);
