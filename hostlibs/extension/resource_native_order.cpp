#include "hostlibs/extension/resource_native_order.h"

#include "platform/byte_order.h"
#include "platform/four_char_code.h"

#include <cstring>

namespace {

constexpr std::uint32_t kItemListType = FourCharCode("DITL");
constexpr std::uint32_t kDialogType = FourCharCode("DLOG");
constexpr std::uint32_t kIconType = FourCharCode("ICON");
constexpr std::uint32_t kControlType = FourCharCode("ctrl");

constexpr std::int32_t kItemHeaderSize = 14;
constexpr std::int32_t kItemFrameAt = 4;
constexpr std::uint8_t kKindBits = 0x7C;
constexpr std::uint8_t kVariantBits = 0x03;
constexpr std::uint8_t kControlKind = 4;
constexpr std::uint8_t kResourceControlVariant = 3;
constexpr std::uint8_t kIconKind = 32;
constexpr std::uint8_t kPictureKind = 64;
constexpr std::int32_t kDialogListAt = 18;
constexpr std::int32_t kControlWords = 8;

// A big-endian 16-bit field turned to the machine's order, when it lies inside the data.
void turnWord(std::uint8_t* data, std::int32_t size, std::int32_t at)
{
    if (at < 0 || at + 2 > size)
        return;
    const auto value = static_cast<std::uint16_t>(platform::readBigEndian(data + at, 2));
    std::memcpy(data + at, &value, sizeof value);
}

// Only the items whose data is a resource id have a word to turn: a control item's text is its title.
bool dataIsResourceID(std::uint8_t type)
{
    const std::uint8_t kind = type & kKindBits;
    return kind == kIconKind || kind == kPictureKind ||
           (kind == kControlKind && (type & kVariantBits) == kResourceControlVariant);
}

void turnItemList(std::uint8_t* data, std::int32_t size)
{
    if (size < 2)
        return;
    const int count = static_cast<int>(platform::readBigEndian(data, 2)) + 1;
    turnWord(data, size, 0);
    std::int32_t at = 2;
    for (int item = 0; item < count && at + kItemHeaderSize <= size; ++item) {
        for (int word = 0; word < 4; ++word)
            turnWord(data, size, at + kItemFrameAt + 2 * word);
        const std::uint8_t type = data[at + 12];
        const std::int32_t length = data[at + 13];
        if (dataIsResourceID(type) && length >= 2)
            turnWord(data, size, at + kItemHeaderSize);
        at += kItemHeaderSize + length + (length & 1);
    }
}

} // namespace

namespace hostext {

void toNativeOrder(std::uint32_t type, std::uint8_t* data, std::int32_t size)
{
    if (type == kItemListType) {
        turnItemList(data, size);
    } else if (type == kDialogType) {
        for (int word = 0; word < 4; ++word)
            turnWord(data, size, 2 * word);
        turnWord(data, size, kDialogListAt);
    } else if (type == kIconType) {
        turnWord(data, size, 0);
        turnWord(data, size, 2);
    } else if (type == kControlType) {
        for (int word = 0; word < kControlWords; ++word)
            turnWord(data, size, 2 * word);
    }
}

} // namespace hostext
