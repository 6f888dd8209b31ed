// Feeds arbitrary bytes to the host resource file reader as a whole file of exactly their size. The
// sanitizers catch any read past it; what the reader accepts must write back as the very same bytes,
// as the layout leaves a file no second reading.

#include "hostlibs/extension/resource_container.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void putNumber(std::vector<std::uint8_t>& out, std::uint32_t value, int width)
{
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::vector<std::uint8_t> encode(const std::vector<hostext::ContainerResource>& resources)
{
    std::vector<std::uint8_t> out{'K', 'R', 'S', 'R'};
    putNumber(out, hostext::kContainerVersion, 2);
    putNumber(out, static_cast<std::uint32_t>(resources.size()), 2);
    for (const auto& resource : resources) {
        putNumber(out, resource.type, 4);
        putNumber(out, static_cast<std::uint16_t>(resource.id), 2);
        putNumber(out, static_cast<std::uint32_t>(resource.name.size()), 1);
        out.insert(out.end(), resource.name.begin(), resource.name.end());
        putNumber(out, static_cast<std::uint32_t>(resource.data.size()), 4);
        out.insert(out.end(), resource.data.begin(), resource.data.end());
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto resources = hostext::readResourceContainer(bytes);
    if (resources && encode(*resources) != bytes)
        std::abort();
    return 0;
}
