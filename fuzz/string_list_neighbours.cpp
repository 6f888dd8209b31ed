// The view tests' string list in place of the toolbox's: list 128 holds plain, escaped and bad texts and
// two long ones.

#include "fuzz/view_neighbours.h"

#include "hostlibs/extension/host_extension.h"

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

namespace {

const std::string kTexts[] = {"Hello", "A\\tB", "say \"hi\"", "bad\\q", std::string(253, 'x'), std::string(254, 'x')};

} // namespace

extern "C" void HostExtGetIndexedString(std::uint8_t* text, std::int32_t listID, std::int32_t index)
{
    check(resFileNesting == 1);
    text[0] = 0;
    if (listID == 128 && index >= 1 && index <= static_cast<std::int32_t>(std::size(kTexts))) {
        const std::string& item = kTexts[index - 1];
        text[0] = static_cast<std::uint8_t>(item.size());
        std::memcpy(text + 1, item.data(), item.size());
    }
}
