#pragma once

// Reading view descriptions in the view fixture (whose resource file holds the string list 128), with
// "NoUIView" and "Background" registered to test creators, and the read cells written out as the
// description language's test vectors write them: `!` a marker, `c=n` a character, `K'abcd'` a code
// (bytes outside printable ASCII as \xHH), `k=n` a constant, `V:Name` a creator, `s"…"` a string,
// `i=n` an integer, `r=n` a real, `(…)` a list; "no" for a text that is no description.

#include "hostframework/views/keyword_map.h"
#include "hostframework/views/view_description.h"
#include "tests/hostframework/views/view_test.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace kravo::test {

class TestNoUIView : public CPlugInView {};

inline CPlugInView* makeTestNoUIView()
{
    return new TestNoUIView;
}

inline CPlugInView* makeTestBackground()
{
    return new CPlugInView;
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

inline std::string describeCell(const SValueCell& cell)
{
    switch (cell.kind) {
    case kViewMarkerKind:
        return "!";
    case kCharacterKind:
        return "c=" + std::to_string(cell.value);
    case kCodeKind: {
        const auto code = static_cast<std::uint32_t>(cell.value);
        const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(code >> 8),
                                       static_cast<std::uint8_t>(code >> 16), static_cast<std::uint8_t>(code >> 24)};
        return "K'" + escaped(bytes, 4) + "'";
    }
    case kConstantKind:
        return "k=" + std::to_string(cell.value);
    case kCreatorKind:
        if (cell.Creator() == &makeTestNoUIView)
            return "V:NoUIView";
        return cell.Creator() == &makeTestBackground ? "V:Background" : "V:?";
    case kStringKind:
        return "s\"" + escaped(cell.String() + 1, cell.String()[0]) + "\"";
    case kIntegerKind:
        return "i=" + std::to_string(cell.Integer());
    case kRealKind: {
        char text[32];
        std::snprintf(text, sizeof text, "r=%g", static_cast<double>(cell.Real()));
        return text;
    }
    case kListKind:
        return "(" + describe(cell.List()) + ")";
    default:
        return "?" + std::to_string(cell.kind);
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
        registerViewCreator("Background", &makeTestBackground);
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
