#include "hostlibs/extension/host_extension.h"
#include "platform/byte_order.h"
#include "platform/four_char_code.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint32_t kStringListType = FourCharCode("strl");
constexpr std::size_t kCountSize = 2;

// Our layout: the count (16 bits, high byte first), then the texts, each with its length byte in
// front. A list cut short ends where its last whole text ends.
void copyText(const std::uint8_t* data, std::size_t size, std::int32_t index, std::uint8_t* text)
{
    if (size < kCountSize)
        return;
    const auto count = static_cast<std::int32_t>(platform::readBigEndian(data, 2));
    std::size_t at = kCountSize;
    for (std::int32_t item = 1; item <= count && at < size; ++item) {
        const std::size_t length = data[at];
        if (at + 1 + length > size)
            return;
        if (item == index) {
            std::memcpy(text, data + at, length + 1);
            return;
        }
        at += 1 + length;
    }
}

} // namespace

extern "C" {

void HostExtGetIndexedString(std::uint8_t* text, std::int32_t listID, std::int32_t index)
{
    text[0] = 0;
    if (listID < INT16_MIN || listID > INT16_MAX || index < 1)
        return;
    HostHandle list = HostExtGetResource(kStringListType, static_cast<std::int16_t>(listID));
    if (list == nullptr)
        return;
    copyText(reinterpret_cast<const std::uint8_t*>(*list), static_cast<std::size_t>(HostExtGetHandleSize(list)), index,
             text);
    HostExtReleaseResource(list);
}

} // extern "C"
