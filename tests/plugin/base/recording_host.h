#pragma once

#include "plugin/base/plug_types.h"

#include <cstdint>
#include <vector>

namespace kravo::test {

struct HostCall {
    std::int32_t opcode;
    std::int32_t index;
    PlugIntPtr value;
    void* ptr;
    float opt;
};

// A host callback that records every call and gives one answer to all of them.
struct RecordingHost {
    static inline std::vector<HostCall> calls;
    static inline PlugIntPtr answer = 0;

    static PlugIntPtr callback(PluginRecord*, std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr,
                               float opt)
    {
        calls.push_back({opcode, index, value, ptr, opt});
        return answer;
    }
    static void reset()
    {
        calls.clear();
        answer = 0;
    }
};

} // namespace kravo::test
