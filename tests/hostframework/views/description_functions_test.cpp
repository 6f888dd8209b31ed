#include "tests/hostframework/views/description_test.h"

#include "hostframework/module_version.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_extension_control.h"

#include <utility>
#include <vector>

namespace {

using kravo::test::DescriptionTest;

class BuiltInFunctions : public DescriptionTest {};

std::string xs(std::size_t count)
{
    return std::string(count, 'x');
}

TEST_F(BuiltInFunctions, GetStringReadsTheIndexedTextAsAQuotedString)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"getString(128 1)", "s\"Hello\""},
        {"getString[128 1]", "s\"Hello\""},
        {"getString(128 2)", "s\"A\\x09B\""},
        {"getString(128 3)", "s\"say \""},
        {"getString(128 4)", "no"},
        {"getString(128 5)", "s\"" + xs(253) + "\""},
        {"getString(128 6)", "no"},
        {"getString(128 9)", "s\"\""},
        {"getString(128 0)", "s\"\""},
        {"getString(129 1)", "s\"\""},
        {"getString(65664 1)", "s\"\""},
        {"getString(128 1 7)", "s\"Hello\""},
        {"getString(128 1) 3", "s\"Hello\" i=3"},
        {"getString(128)", "no"},
        {"getString(128 1.0)", "no"},
        {"getString('abcd' 1)", "no"},
        {"getString 5", "no"},
        {"getString", "no"},
        {"((getString(128 1)))", "((s\"Hello\"))"},
        {"getString(getString(128 1) 1)", "no"},
    };
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(element(x), expected) << x;
}

TEST_F(BuiltInFunctions, GetStringReadsInsideTheResourceFileBracket)
{
    const std::string path = (folder / "Views.dll.rsr").string();
    const int opens = hostext::resourceFileOpens(path);
    const std::int16_t current = HostExtCurrentResourceFile();
    hostext::forgetResourceFileEvents();

    EXPECT_EQ(element("getString(128 1) getString(128 9)"), "s\"Hello\" s\"\"");

    const auto events = hostext::resourceFileEvents();
    ASSERT_EQ(events.size(), 2u);
    for (const auto& event : events) {
        EXPECT_TRUE(event.open);
        EXPECT_EQ(event.path, path);
    }
    EXPECT_EQ(hostext::resourceFileOpens(path), opens);
    EXPECT_EQ(HostExtCurrentResourceFile(), current);
}

TEST_F(BuiltInFunctions, AResourceFileThatCannotBeOpenedLeavesNoDescription)
{
    const std::string path = (folder / "Views.dll.rsr").string();
    HostExtReleaseResourceFile(path.c_str());
    std::filesystem::remove(path);
    EXPECT_EQ(element("getString(128 1)"), "no");
    EXPECT_EQ(element("1"), "i=1");
}

TEST_F(BuiltInFunctions, BothVersionsGiveTheModulesVersionTextAndTakeNoArguments)
{
    const std::string version = "s\"" + GetModuleVersionText() + "\"";
    EXPECT_EQ(GetModuleVersionText(), "0.1.0.0");
    EXPECT_EQ(element("shortVersion longVersion"), version + " " + version);
    EXPECT_EQ(element("shortVersion()"), version + " ()");
}

TEST_F(BuiltInFunctions, GetListAndUnknownFunctionNumbersFail)
{
    EXPECT_EQ(element("getList(1)"), "no");
    EXPECT_EQ(element("getList"), "no");
    registerKeyword("later", kFunctionKind, 9);
    EXPECT_EQ(element("later"), "no");
    // A function's number is its whole value, not the low word of it.
    if constexpr (sizeof(std::intptr_t) > 4) {
        registerKeyword("wide", kFunctionKind, (std::intptr_t{1} << 32) + kGetStringFunction);
        EXPECT_EQ(element("wide(128 1)"), "no");
    }
}

// Fourteen texts of 253 characters overrun the 4096 bytes that the text's own cells leave; four fit.
TEST_F(BuiltInFunctions, LongTextsExhaustTheArena)
{
    std::string fourteen;
    for (int i = 0; i < 14; ++i)
        fourteen += "getString(128 5)";
    ASSERT_EQ(("!Background[('abcd')(" + fourteen + ")]").size(), 247u);
    EXPECT_EQ(element(fourteen), "no");

    const std::string text = "s\"" + xs(253) + "\"";
    EXPECT_EQ(element("getString(128 5) getString(128 5) getString(128 5) getString(128 5)"),
              text + " " + text + " " + text + " " + text);

    std::string twelve;
    std::string thirteen;
    for (int i = 0; i < 12; ++i)
        twelve += "getString(128 5)";
    thirteen = twelve + "getString(128 5)";
    EXPECT_NE(element(twelve), "no");
    EXPECT_EQ(element(thirteen), "no");
}

} // namespace
