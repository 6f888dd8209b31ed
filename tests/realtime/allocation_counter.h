#pragma once

#include <cstddef>

namespace kravo::test {

// Counts the calls into the heap (every allocation, every free of a block,
// through the C functions or any operator new and delete) made on any thread
// while a counted region is open. Regions do not nest.
void openCountedRegion();
std::size_t closeCountedRegion(); // the calls seen since the region opened

template <class Work>
std::size_t heapCallsDuring(Work&& work)
{
    openCountedRegion();
    work();
    return closeCountedRegion();
}

} // namespace kravo::test
