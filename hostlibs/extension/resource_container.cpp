#include "hostlibs/extension/resource_container.h"

#include "platform/byte_order.h"
#include "platform/four_char_code.h"

namespace hostext {

namespace {

// Reads forward through the bytes; every read checks what is left first.
class ByteReader {
public:
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) : bytes(bytes) {}

    bool has(std::size_t count) const { return count <= bytes.size() - position; }
    bool atEnd() const { return position == bytes.size(); }

    std::optional<std::uint32_t> number(std::size_t width)
    {
        if (!has(width))
            return std::nullopt;
        const auto value = static_cast<std::uint32_t>(platform::readBigEndian(bytes.data() + position, width));
        position += width;
        return value;
    }
    std::optional<std::vector<std::uint8_t>> take(std::size_t count)
    {
        if (!has(count))
            return std::nullopt;
        std::vector<std::uint8_t> taken(bytes.begin() + static_cast<std::ptrdiff_t>(position),
                                        bytes.begin() + static_cast<std::ptrdiff_t>(position + count));
        position += count;
        return taken;
    }

private:
    const std::vector<std::uint8_t>& bytes;
    std::size_t position = 0;
};

constexpr std::uint32_t kMagic = FourCharCode("KRSR");

} // namespace

std::optional<std::vector<ContainerResource>> readResourceContainer(const std::vector<std::uint8_t>& bytes)
{
    ByteReader reader(bytes);
    const auto magic = reader.number(4);
    const auto version = reader.number(2);
    const auto count = reader.number(2);
    if (magic != kMagic || version != kContainerVersion || !count)
        return std::nullopt;
    std::vector<ContainerResource> resources;
    for (std::uint32_t n = 0; n < *count; ++n) {
        const auto type = reader.number(4);
        const auto id = reader.number(2);
        const auto nameLength = reader.number(1);
        const auto name = nameLength ? reader.take(*nameLength) : std::nullopt;
        const auto size = name ? reader.number(4) : std::nullopt;
        auto data = size ? reader.take(*size) : std::nullopt;
        if (!type || !id || !data)
            return std::nullopt;
        resources.push_back({*type, static_cast<std::int16_t>(*id), std::string(name->begin(), name->end()),
                             std::move(*data)});
    }
    if (!reader.atEnd())
        return std::nullopt;
    return resources;
}

} // namespace hostext
