#pragma once

#include "tests/realtime/realtime_calls.h"

#include <dlfcn.h>

#include <atomic>

namespace kravo::test {

// The definition of a function that this program takes over, as the next object in the lookup order (the C library,
// or under the sanitizers their runtime, which forwards to it) defines it. Looked up the first time it is needed:
// callers in the libraries' own initialisation can come before this program's.
template <typename Function>
class NextDefinition {
public:
    // A version names the one to use where the library keeps an older one under the same name.
    constexpr explicit NextDefinition(const char* name, const char* version = nullptr) : name_(name), version_(version)
    {
    }

    Function* get()
    {
        Function* found = function_.load(std::memory_order_acquire);
        if (found != nullptr)
            return found;
        void* next = version_ != nullptr ? dlvsym(RTLD_NEXT, name_, version_) : nullptr;
        if (next == nullptr)
            next = dlsym(RTLD_NEXT, name_);
        found = reinterpret_cast<Function*>(next);
        function_.store(found, std::memory_order_release);
        return found;
    }

private:
    const char* name_;
    const char* version_;
    std::atomic<Function*> function_{nullptr};
};

} // namespace kravo::test

// Defines the C function name (result, parameters and the C library's noexcept marks as the library declares
// them), which counts a call of the kind and forwards to the next definition, of the given version if one is given.
#define KRAVO_COUNTED_VERSIONED_FUNCTION(kind, version, result, name, parameters, arguments, ...)                 \
    extern "C" result name parameters __VA_ARGS__                                                                   \
    {                                                                                                               \
        kravo::test::noteRealtimeCall(kind);                                                                        \
        static constinit kravo::test::NextDefinition<result parameters> next{#name, version};                       \
        return next.get() arguments;                                                                                \
    }
#define KRAVO_COUNTED_FUNCTION(kind, result, name, parameters, arguments, ...)                                    \
    KRAVO_COUNTED_VERSIONED_FUNCTION(kind, nullptr, result, name, parameters, arguments, __VA_ARGS__)
