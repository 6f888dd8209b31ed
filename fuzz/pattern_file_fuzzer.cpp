// Feeds arbitrary bytes to the pattern file reader as a ".pat" file on disk. It must answer a whole
// pattern of finite values or nothing.

#include "fuzz/input_file.h"
#include "plugin/patterns/pattern_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzInputFile input("input.pat");
    input.write(data, size);
    if (const auto values = kravo::patterns::readPatternFile(input.path.c_str()))
        for (const float value : *values)
            if (!std::isfinite(value))
                std::abort();
    return 0;
}
