#include "hostframework/plugin_model/plugin_string.h"

#include <cstring>
#include <new>

namespace {

std::int32_t boundedLength(const char* text, std::int32_t maximum)
{
    std::int32_t length = 0;
    while (length < maximum && text[length] != '\0')
        ++length;
    return length;
}

} // namespace

void CPlugInString::Set(const char* value)
{
    // A negative capacity promises no byte at all.
    if (text == nullptr || capacity < 0)
        return;
    const std::int32_t length = value != nullptr ? boundedLength(value, capacity) : 0;
    if (length > 0)
        std::memcpy(text, value, static_cast<std::size_t>(length));
    text[length] = '\0';
    text[capacity] = '\0';
}

std::int32_t CPlugInString::GetLength() const
{
    return text != nullptr && capacity >= 0 ? boundedLength(text, capacity) : 0;
}

void CPlugInNameList::AddName(const char* name)
{
    auto* owned = new (std::nothrow) CPlugInName(name);
    if (owned == nullptr)
        return;
    try {
        names.Append(owned);
    } catch (const CHostError&) {
        delete owned;
        throw;
    }
}

void CPlugInNameList::GetName(CPlugInString& text) const
{
    text.Set("");
    for (const CPlugInName* name : names) {
        text.Set(name->Get());
        if (name->GetLength() < text.GetCapacity())
            return;
    }
}
