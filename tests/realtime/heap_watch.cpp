#include "tests/realtime/realtime_calls.h"

#include <cstdlib>

using kravo::test::noteRealtimeCall;
using kravo::test::RealtimeCallKind;

namespace {

void noteHeapCall() { noteRealtimeCall(RealtimeCallKind::heap); }

} // namespace

// Watched where every way into the heap ends, so that no caller on any thread goes unseen. The sanitizer build owns
// the heap and reports each block it hands out or takes back to hooks (declared here: the compiler ships no header for
// them). The normal build defines the C functions here, ahead of the C library's, and forwards to the library's own
// entry points, which glibc exports; operator new and delete reach them too.
#if defined(__SANITIZE_ADDRESS__)

extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onAllocate)(const volatile void*, std::size_t),
                                                          void (*onFree)(const volatile void*));

[[maybe_unused]] const int hooksInstalled = __sanitizer_install_malloc_and_free_hooks(
    [](const volatile void*, std::size_t) { noteHeapCall(); }, [](const volatile void*) { noteHeapCall(); });

#else

extern "C" {

void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);

void* malloc(std::size_t size) noexcept { noteHeapCall(); return __libc_malloc(size); }
void* calloc(std::size_t count, std::size_t size) noexcept { noteHeapCall(); return __libc_calloc(count, size); }
void* realloc(void* block, std::size_t size) noexcept { noteHeapCall(); return __libc_realloc(block, size); }
void* aligned_alloc(std::size_t align, std::size_t n) noexcept { noteHeapCall(); return __libc_memalign(align, n); }

// Freeing nothing is no heap call; the sanitizer's hooks do not see it either.
void free(void* block) noexcept
{
    if (block)
        noteHeapCall();
    __libc_free(block);
}

} // extern "C"

#endif
