#include "hostlibs/extension/extension_state.h"
#include "platform/four_char_code.h"

#include <string>

// The clipboard's text. The stand-in host's user never copies anything: tests set it.

namespace {

constexpr std::uint32_t kTextType = FourCharCode("TEXT");

// Empty: the clipboard holds nothing.
std::string& scrapText()
{
    static std::string text;
    return text;
}

} // namespace

extern "C" {

HostHandle HostExtGetScrap(std::uint32_t type)
{
    const hostext::Guard guard(hostext::state().lock);
    const std::string& text = scrapText();
    if (type != kTextType || text.empty())
        return nullptr;
    return hostext::newHandle(hostext::state(), text.data(), static_cast<std::int32_t>(text.size()));
}

} // extern "C"

namespace hostext {

void setScrapText(const std::string& text)
{
    const Guard guard(state().lock);
    scrapText() = text;
}

void clearScrap()
{
    setScrapText({});
}

} // namespace hostext
