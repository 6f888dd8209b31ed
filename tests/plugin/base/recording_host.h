#pragma once

#include "plugin/base/plug_types.h"

#include <cstdint>
#include <vector>

namespace kravo::test {

// A host callback that records every call and answers from a small table.
struct HostCall {
    std::int32_t opcode;
    std::int32_t index;
    PlugIntPtr value;
    void* ptr;
    float opt;
};

struct RecordingHost {
    static std::vector<HostCall>& calls()
    {
        static std::vector<HostCall> recorded;
        return recorded;
    }
    static PlugIntPtr& answer()
    {
        static PlugIntPtr value = 0;
        return value;
    }
    static PlugIntPtr callback(PluginRecord*, std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr,
                               float opt)
    {
        calls().push_back({opcode, index, value, ptr, opt});
        return answer();
    }
    static void reset()
    {
        calls().clear();
        answer() = 0;
    }
};

} // namespace kravo::test
