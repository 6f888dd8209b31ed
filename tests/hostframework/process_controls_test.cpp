#include "hostframework/plugin_library.h"
#include "platform/module_loading.h"
#include "tests/hostframework/support/resource_file_writer.h"
#include "tests/hostframework/support/test_processes.h"
#include "tests/support/temp_folder.h"
#include "tests/hostframework/support/suppressed_host_views.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

using namespace kravo::test;

std::vector<std::uint8_t> table(std::initializer_list<std::int16_t> words)
{
    std::vector<std::uint8_t> bytes;
    for (const std::int16_t word : words) {
        bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(word) >> 8));
        bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
    }
    return bytes;
}

// A process of a type whose resources hold keyed tables, without the messaging service.
class ProcessControls : public ::testing::Test {
protected:
    SuppressedHostViews views;
    void SetUp() override
    {
        process.SetProcessType(&type);
        process.AddControl(new TestControl(fourCC("ctl1"), "Gain", 5));
        process.AddControl(new TestControl(fourCC("ctl2"), "A rather long control name", 7));
        process.Initialize();
    }
    void TearDown() override
    {
        while (gProcessGroup != nullptr)
            WinPlugInClose();
        platform::setModulePath("");
    }
    void resources(const std::vector<TestResource>& list)
    {
        writeResourceFile(folder.path() / "Tables.dll.rsr", list);
        platform::setModulePath((folder.path() / "Tables.dll").string());
        ASSERT_EQ(WinPlugInOpen(73), 0);
    }

    TempFolder folder;
    TestType type{fourCC("Krst")};
    TestProcess process;
};

TEST_F(ProcessControls, TheControlRoadWithoutTheServiceAppliesAtOnceAndSaturates)
{
    std::int32_t value = 0;
    EXPECT_EQ(process.SetControlValue(1, 42), 0);
    process.GetControlValue(1, &value);
    EXPECT_EQ(value, 42);
    process.SetControlValue(1, INT32_MAX - 1);
    process.IncrementControlValue(1, 5);
    process.GetControlValue(1, &value);
    EXPECT_EQ(value, INT32_MAX);
    process.SetControlValue(1, INT32_MIN + 1);
    process.IncrementControlValueNow(1, -5);
    process.GetControlValue(1, &value);
    EXPECT_EQ(value, INT32_MIN);

    std::int32_t changes = 0;
    process.GetChangeCount(&changes);
    EXPECT_EQ(process.ApplyControlValue(9, 1), 0);
    std::int32_t after = 0;
    process.GetChangeCount(&after);
    EXPECT_EQ(after, changes + 1); // only the count moves for a position that is not there
    process.GetControlValue(9, &value);
    EXPECT_EQ(value, 0);

    process.GetControlDefaultValue(2, &value);
    EXPECT_EQ(value, 7);
    process.SetControlDefaultValue(2, 9);
    process.GetControlDefaultValue(2, &value);
    EXPECT_EQ(value, 9);
    process.GetControlValue(2, &value);
    EXPECT_EQ(value, 7); // the stored host value stays
}

TEST_F(ProcessControls, NamesTextsAndTheirLengths)
{
    char text[64] = {};
    process.GetControlValueTextOfLength(1, 123456, text, 131);
    EXPECT_STREQ(text, "123456");
    process.GetControlValueTextOfLength(1, 123456, text, 103);
    EXPECT_STREQ(text, "123");
    process.GetControlValueTextOfLength(7, 5, text, 31);
    EXPECT_STREQ(text, "");
    process.GetControlName(2, text);
    EXPECT_STREQ(text, "A rather long control name");
    std::int16_t flag = 7;
    process.GetControlNameOfLength(2, text, 8, 0, &flag);
    EXPECT_STREQ(text, "A rather");
    EXPECT_EQ(flag, 0);
    std::int32_t result = 0;
    EXPECT_EQ(process.SetControlValueFromText(1, "", &result), -7401);
    EXPECT_EQ(process.SetControlValueFromText(1, "99", &result), 0);
    EXPECT_EQ(result, 99);
    std::uint32_t id = 0;
    EXPECT_EQ(process.GetControlViewID(3, &id), -7300);
    EXPECT_EQ(id, fourCC("NONE"));
}

TEST_F(ProcessControls, KeyedTablesFindTheKeyElseKeyOne)
{
    resources({{fourCC("PgTL"), 1, "Krst", table({2, 3, 6, 10, 11, 12, 13, 14, 15, 0})},
               {fourCC("MkTL"), 1, "Krst", table({1, 3, 3, 7, 8, 9, 0})}});
    // Key 4 on a table whose only record has key 2: no record, no key-1 record.
    EXPECT_EQ(process.GetTableEntryCount(fourCC("PgTL"), 4), -1);
    EXPECT_EQ(process.GetTableEntryCount(fourCC("PgTL"), 2), 3);
    EXPECT_EQ(process.GetTableEntryCount(fourCC("PgTL"), -1), 3);
    EXPECT_EQ(process.GetTableEntryCount(fourCC("PgTL"), 0), -1);
    EXPECT_EQ(process.GetTableEntryValue(fourCC("PgTL"), -1, 1, 1), 13);
    EXPECT_EQ(process.GetTableEntryValue(fourCC("PgTL"), -1, 3, 0), 0);
    EXPECT_EQ(process.HasTableEntry(fourCC("PgTL"), 2), 1);
    EXPECT_EQ(process.HasTableEntry(fourCC("PgTL"), 4), 0);
    // Key 2 on a key-1 record of three groups: ratio 2, 3 / 2 raised to 2.
    EXPECT_EQ(process.GetTableEntryCount(fourCC("MkTL"), 2), 2);
    EXPECT_EQ(process.GetTableEntryValue(fourCC("MkTL"), 2, 1, 0), 9);
    EXPECT_EQ(process.GetTableEntryValue(fourCC("MkTL"), 2, 1, 1), 0);
    EXPECT_EQ(process.HasTableEntry(fourCC("FrTL"), 1), 0);
}

TEST_F(ProcessControls, DamagedTablesNeverReadOutsideTheirResource)
{
    std::mt19937 random(28);
    std::vector<TestResource> list;
    for (std::uint32_t k = 0; k < 10; ++k) {
        std::vector<std::uint8_t> bytes(random() % 24);
        for (auto& byte : bytes)
            byte = static_cast<std::uint8_t>(random() % 4 == 0 ? 0 : random());
        list.push_back({fourCC("Ka00") + k, 1, "Krst", bytes});
    }
    resources(list);
    for (int round = 0; round < 2000; ++round) {
        const std::uint32_t kind = fourCC("Ka00") + random() % 10;
        const auto key = static_cast<std::int16_t>(static_cast<int>(random() % 9) - 1);
        const auto group = static_cast<std::int16_t>(static_cast<int>(random() % 6) - 1);
        const auto item = static_cast<std::int16_t>(static_cast<int>(random() % 6) - 1);
        process.GetTableEntryCount(kind, key);
        process.GetTableEntryValue(kind, key, group, item);
        process.HasTableEntry(kind, key);
    }
}

} // namespace
