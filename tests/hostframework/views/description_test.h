#pragma once

// Reading view descriptions in the view fixture (whose resource file holds the string list 128), with
// "NoUIView" registered to a test creator and "Background" to its own, and the read cells written out as the
// description language's test vectors write them: `!` a marker, `c=n` a character, `K'abcd'` a code
// (bytes outside printable ASCII as \xHH), `k=n` a constant, `V:Name` a creator, `s"…"` a string,
// `i=n` an integer, `r=n` a real, `(…)` a list; "no" for a text that is no description.

#include "hostframework/views/custom_view.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/view_description.h"
#include "tests/hostframework/views/view_test.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace kravo::test {

class TestNoUIView : public CCustomView {};

inline CCustomView* makeTestNoUIView()
{
    return new TestNoUIView;
}

inline SViewRecord recordOf(const std::string& text, std::uint8_t length)
{
    SViewRecord record{};
    record.type = 8;
    record.length = length;
    std::memcpy(record.text, text.data(), std::min(text.size(), sizeof record.text));
    return record;
}

inline SViewRecord recordOf(const std::string& text)
{
    EXPECT_LE(text.size(), 255u) << text;
    return recordOf(text, static_cast<std::uint8_t>(text.size()));
}

inline std::string escaped(const std::uint8_t* bytes, std::size_t count)
{
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] >= 0x20 && bytes[i] < 0x7F) {
            out += static_cast<char>(bytes[i]);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", bytes[i]);
            out += hex;
        }
    }
    return out;
}

inline std::string describe(const SValueCell* cells);

// The parts one after the other; appending keeps clear of a false warning on chains of "+".
inline std::string joined(const char* prefix, const std::string& body, const char* suffix = "")
{
    std::string text = prefix;
    text += body;
    text += suffix;
    return text;
}

inline std::string describeCell(const SValueCell& cell)
{
    switch (cell.kind) {
    case kViewMarkerKind:
        return "!";
    case kCharacterKind:
        return joined("c=", std::to_string(cell.value));
    case kCodeKind: {
        const auto code = static_cast<std::uint32_t>(cell.value);
        const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(code >> 8),
                                       static_cast<std::uint8_t>(code >> 16), static_cast<std::uint8_t>(code >> 24)};
        return joined("K'", escaped(bytes, 4), "'");
    }
    case kConstantKind:
        return joined("k=", std::to_string(cell.value));
    case kCreatorKind:
        if (cell.Creator() == &makeTestNoUIView)
            return "V:NoUIView";
        return cell.Creator() == &NewCustomView ? "V:Background" : "V:?";
    case kStringKind:
        return joined("s\"", escaped(cell.String() + 1, cell.String()[0]), "\"");
    case kIntegerKind:
        return joined("i=", std::to_string(cell.Integer()));
    case kRealKind: {
        char text[32];
        std::snprintf(text, sizeof text, "r=%g", static_cast<double>(cell.Real()));
        return text;
    }
    case kListKind:
        return joined("(", describe(cell.List()), ")");
    default:
        return joined("?", std::to_string(cell.kind));
    }
}

inline std::string describe(const SValueCell* cells)
{
    std::string out;
    for (const SValueCell* cell = cells; cell != nullptr; cell = cell->next) {
        if (!out.empty())
            out += ' ';
        out += describeCell(*cell);
    }
    return out;
}

class DescriptionTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        registerViewCreator("NoUIView", &makeTestNoUIView);
        registerViewCreator("Background", &NewCustomView);
    }

    static std::string parse(const SViewRecord& record)
    {
        SParseState state(&record);
        return ParseDescription(state) ? describe(state.result) : "no";
    }

    static std::string parse(const std::string& text) { return parse(recordOf(text)); }

    // The second argument group of "!Background[('abcd')(X)]", its contents only.
    static std::string element(const std::string& x)
    {
        const SViewRecord record = recordOf("!Background[('abcd')(" + x + ")]");
        SParseState state(&record);
        if (!ParseDescription(state))
            return "no";
        EXPECT_EQ(describe(state.groups->List()), "K'abcd'");
        return state.groups->next != nullptr ? describe(state.groups->next->List()) : "no second group";
    }
};

} // namespace kravo::test
