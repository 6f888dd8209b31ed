#pragma once

#include <cstddef>

namespace kravo::test {

// Counts the heap allocations made on the calling thread while a scope is open.
class AllocationCounter {
public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    std::size_t count() const;
};

} // namespace kravo::test
