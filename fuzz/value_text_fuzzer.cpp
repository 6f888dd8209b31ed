// Reads the input as a typed value text, and shows a value taken from its first bytes in a buffer of
// the length its first byte gives: reading answers a number or throws the host error, showing
// never writes past the buffer's terminator.

#include "hostframework/controls/value_text.h"
#include "hostframework/host_error.h"

#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string typed(reinterpret_cast<const char*>(data), size);
    for (const std::string& unit : {std::string(), std::string("Hz"), std::string("dB")}) {
        try {
            ParseValueText(typed.c_str(), unit, ValuePrefixesFromEmpty(), "");
        } catch (const CHostError& error) {
            if (error.GetCode() != kHostErrUnexpected)
                std::abort();
        }
    }
    if (size < 9)
        return 0;
    double value = 0.0;
    std::memcpy(&value, data + 1, sizeof value);
    const auto n = static_cast<std::int32_t>(data[0] % 48);
    std::string buffer(64, '#');
    CopyValueText(FormatValueText(value, static_cast<std::int32_t>(data[0] >> 4), "Hz", n, ValuePrefixesFromEmpty(),
                                  true),
                  buffer.data(), n);
    if (buffer.find('\0') > static_cast<std::size_t>(n) ||
        buffer.find_first_not_of('#', static_cast<std::size_t>(n) + 1) != std::string::npos)
        std::abort();
    return 0;
}
