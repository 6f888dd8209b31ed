#pragma once

#include <cstddef>
#include <functional>

namespace kravo::test {

// The calls into the heap (every allocation, every free of a block, through the C functions or any operator new and
// delete) made on any thread while work runs. Calls do not nest.
std::size_t heapCallsDuring(const std::function<void()>& work);

} // namespace kravo::test
