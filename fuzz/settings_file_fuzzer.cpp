// Feeds arbitrary bytes to the settings store's file reader as the store's file on disk. Whatever the
// bytes, what it reads must write out as text that reads back as the very same keys and values.

#include "fuzz/input_file.h"
#include "platform/registry_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzInputFile input("registry.txt");
    input.write(data, size);
    const platform::RegistryKeys keys = platform::readRegistryFile(input.path);
    if (platform::parseRegistryText(platform::formatRegistryText(keys)) != keys)
        std::abort();
    return 0;
}
