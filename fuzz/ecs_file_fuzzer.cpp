// Feeds arbitrary bytes to the ECS file reader as a controller map file on disk. It must answer 128
// parameter indices within the plug-in's parameters, or nothing.

#include "fuzz/input_file.h"
#include "plugin/midi/ecs_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzInputFile input("input.ecs");
    input.write(data, size);
    if (const auto parameters = kravo::readEcsFile(input.path.c_str()))
        for (const std::int32_t parameter : *parameters)
            if (parameter < 0 || parameter > kravo::kMaxEcsParameter)
                std::abort();
    return 0;
}
