// Feeds arbitrary bytes to kravo-host's state file reader. It must answer chunks or refuse with its
// own error, never read past the bytes; what it answers must encode back to exactly the input.

#include "host/state_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> input(data, data + size);
    try {
        if (host::encodeStateFile(host::decodeStateFile(input)) != input)
            std::abort();
    } catch (const host::StateFileError&) {
    }
    return 0;
}
