#include "hostframework/adaptor/template_no_ui_view.h"
#include "hostframework/plugin_library.h"
#include "hostframework/routine_table.h"
#include "hostframework/template_no_ui_group.h"
#include "hostframework/views/keyword_map.h"
#include "hostlibs/engine/host_engine_control.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

namespace {

using kravo::test::TempFolder;

constexpr std::uint32_t kKrst = FourCharCode("Krst");

std::string prefixed(const std::uint8_t* text)
{
    return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

// The plug-in's group as the library makes it when the host opens it.
class TemplateGroup : public ::testing::Test {
protected:
    void SetUp() override
    {
        kravo::test::writeResourceFile(folder.path() / "Kravo.dll.rsr", {});
        platform::setModulePath((folder.path() / "Kravo.dll").string());
        ASSERT_EQ(WinPlugInOpen(73), 0);
        group = dynamic_cast<CTemplateNoUIGroup*>(gProcessGroup);
        ASSERT_NE(group, nullptr);
    }
    void TearDown() override
    {
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        platform::setModulePath("");
    }

    TempFolder folder;
    CTemplateNoUIGroup* group = nullptr;
};

TEST_F(TemplateGroup, IdentityNamesAndPathAreBuiltOnce)
{
    std::uint8_t text[256] = {};
    group->HostCall12(255, reinterpret_cast<char*>(text));
    EXPECT_EQ(prefixed(text), "Vexo");
    group->GetPlugInName(text, 3);
    EXPECT_EQ(prefixed(text), "Krv");
    EXPECT_EQ(group->Operation3(), 1);
    EXPECT_EQ(group->HostCall75(), 3);

    std::uint32_t manufacturer = 0;
    std::uint32_t plugIn = 0;
    std::uint32_t secondary = 0;
    EXPECT_EQ(group->HostCall6(1, &manufacturer, &plugIn, &secondary), 0);
    EXPECT_EQ(manufacturer, FourCharCode("Vexo"));
    EXPECT_EQ(plugIn, FourCharCode("KrCH"));
    EXPECT_EQ(secondary, FourCharCode("grID"));

    char path[256] = {};
    group->GetPlugInPath(path);
    EXPECT_STREQ(path, "Plug-Ins/Vexo/Kravo/1");
    group->SetPlugInNames("Other", 2);
    group->GetPlugInPath(path);
    EXPECT_STREQ(path, "Plug-Ins/Vexo/Kravo/1");

    SKeyword view{};
    ASSERT_TRUE(lookupKeyword("NoUIView", &view));
    EXPECT_EQ(view.kind, kCreatorKind);
    EXPECT_EQ(reinterpret_cast<ViewCreator>(view.value), &NewTemplateNoUIView);
}

TEST_F(TemplateGroup, CapabilitiesComeBeforeTheTypesAttributes)
{
    std::int32_t value = 0;
    EXPECT_EQ(group->HostCall93(kKrst, 14, &value), 0);
    EXPECT_EQ(value, 1);
    value = static_cast<std::int32_t>(FourCharCode("midi"));
    group->HostCall93(kKrst, 28, &value);
    EXPECT_EQ(value, 2);
    value = static_cast<std::int32_t>(FourCharCode("midj"));
    group->HostCall93(kKrst, 28, &value);
    EXPECT_EQ(value, 0);
    value = 5;
    EXPECT_EQ(group->HostCall93(FourCharCode("none"), 7, &value), -7125);
    EXPECT_EQ(value, 0);
}

TEST_F(TemplateGroup, InstanceNumbersAreTheLowestFree)
{
    std::int32_t number = 0;
    for (std::int32_t expected : {1, 2, 3}) {
        number = 0;
        group->AllocateNumber(&number);
        EXPECT_EQ(number, expected);
    }
    EXPECT_EQ(group->ReleaseNumber(2), 1);
    EXPECT_EQ(group->ReleaseNumber(2), 0);
    number = 0;
    group->AllocateNumber(&number);
    EXPECT_EQ(number, 2);
    number = 3;
    group->AllocateNumber(&number);
    EXPECT_EQ(number, 4);
}

// Through the built library's exports, as the host reaches it.
TEST(TemplateGroupExports, TheHostSeesOneNativeStereoTypeAndNoGroupLock)
{
    hostengine::resetLockService();
    hostengine::withhold("SetPlugInOpenAndCloseProcs");
    void* library = dlopen(KRAVO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto getRoutine = reinterpret_cast<std::int32_t (*)(std::uint32_t, HostRoutine*)>(
        dlsym(library, "_PI_GetRoutineDescriptor"));
    const auto open = reinterpret_cast<std::int32_t (*)(std::int32_t)>(dlsym(library, "WinPlugInOpen"));
    const auto close = reinterpret_cast<std::int32_t (*)()>(dlsym(library, "WinPlugInClose"));
    ASSERT_TRUE(getRoutine && open && close);
    // Opened here as well as (on a first load) by the load itself: a library kept loaded by an
    // earlier test is not attached again.
    ASSERT_EQ(open(73), 0);
    const auto routine = [&](std::uint32_t selector) {
        HostRoutine found = nullptr;
        EXPECT_EQ(getRoutine(selector, &found), 0);
        return found;
    };

    std::int16_t types = -1;
    const auto numTypes = reinterpret_cast<std::int32_t (*)(std::int16_t*)>(routine(22));
    EXPECT_EQ(numTypes(&types), 0);
    EXPECT_EQ(types, 0); // the native kind is off until the host enables it
    EXPECT_EQ(reinterpret_cast<std::int32_t (*)(std::int32_t)>(routine(91))(3), 0);
    numTypes(&types);
    EXPECT_EQ(types, 1);

    std::uint8_t name[64] = {};
    const auto typeName = reinterpret_cast<std::int32_t (*)(std::uint32_t, std::int32_t, std::uint8_t*)>(routine(5));
    typeName(kKrst, 31, name);
    EXPECT_EQ(prefixed(name), "Kravo");
    typeName(FourCharCode("????"), 31, name);
    EXPECT_EQ(prefixed(name), "Kravo");

    std::int32_t kind = 0;
    reinterpret_cast<std::int32_t (*)(std::uint32_t, std::int32_t*)>(routine(92))(kKrst, &kind);
    EXPECT_EQ(kind, 3);
    for (std::uint32_t selector : {10u, 17u}) {
        std::int16_t channels = 0;
        reinterpret_cast<std::int32_t (*)(std::uint32_t, std::int32_t, std::int16_t*)>(routine(selector))(kKrst, 0,
                                                                                                        &channels);
        EXPECT_EQ(channels, 2) << selector;
    }
    SHostPlugInStemFormats formats{};
    reinterpret_cast<std::int32_t (*)(std::uint32_t, std::int32_t, SHostPlugInStemFormats*)>(routine(137))(kKrst, 0,
                                                                                                         &formats);
    EXPECT_EQ(formats.formats[0], 1);
    EXPECT_EQ(formats.formats[1], 1);
    EXPECT_EQ(formats.formats[2], 0);

    const auto attribute = [&](std::int32_t number) {
        std::int32_t value = -1;
        reinterpret_cast<std::int32_t (*)(std::uint32_t, std::int32_t, std::int32_t*)>(routine(93))(kKrst, number,
                                                                                                  &value);
        return value;
    };
    EXPECT_EQ(attribute(21), 2048);
    for (std::int32_t number : {7, 8, 29})
        EXPECT_EQ(attribute(number), 1) << number;
    for (std::int32_t number : {41, 5})
        EXPECT_EQ(attribute(number), 0) << number;
    EXPECT_EQ(attribute(32), 6);

    // The connection queries: the type the record names, and the first type that matches it whole.
    const auto lookUp = reinterpret_cast<std::int32_t (*)(SHostPlugInSpec*, std::int32_t, std::int32_t)>(routine(68));
    SHostPlugInSpec record{};
    record.words[kRecordTypeID] = static_cast<std::int32_t>(kKrst);
    EXPECT_EQ(lookUp(&record, 0, 0), 0);
    EXPECT_EQ(record.words[kRecordInputFormat], 1);
    EXPECT_EQ(record.words[kRecordOutputFormat], 1);
    EXPECT_EQ(record.words[kRecordManufacturer], static_cast<std::int32_t>(FourCharCode("Vexo")));
    EXPECT_EQ(record.words[kRecordPlugInNumber], 1);
    SHostPlugInSpec other{};
    other.words[kRecordTypeID] = static_cast<std::int32_t>(FourCharCode("????"));
    EXPECT_EQ(lookUp(&other, 0, 0), -7055);
    const auto match = reinterpret_cast<std::int32_t (*)(SHostPlugInSpec*, std::int32_t, std::int32_t, std::int32_t,
                                                         std::int32_t, std::int32_t)>(routine(138));
    record.words[kRecordPlugInID] = static_cast<std::int32_t>(FourCharCode("KrCH"));
    record.words[kRecordLayout] = 0;
    EXPECT_EQ(match(&record, 0, 0, 0, 0, 0), 0);
    record.words[kRecordOutputFormat] = 2;
    EXPECT_EQ(match(&record, 0, 0, 0, 0, 0), -7055);

    std::int32_t id = 0;
    EXPECT_EQ(reinterpret_cast<std::int32_t (*)(std::uint32_t, std::int32_t*)>(routine(19))(kKrst, &id), 0);
    EXPECT_EQ(reinterpret_cast<std::int32_t (*)(std::uint32_t, std::int32_t)>(routine(20))(kKrst, id), 0);
    EXPECT_EQ(hostengine::lockServiceCounts().entered, 0);

    close();
    close(); // the load's open, when there was one; an extra close is ignored
    dlclose(library);
    hostengine::offerEverything();
}

} // namespace
