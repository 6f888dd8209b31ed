#include "hostframework/plugin_model/report_record.h"
#include "tests/hostframework/support/host_error_code.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using kravo::test::hostErrorCode;

TEST(ReportRecord, PadsToWholeGroupsOfBytes)
{
    CReportRecord record;
    for (std::uintptr_t word = 1; word <= 3; ++word)
        record.AppendWord(word);
    record.PadTo(16);
    EXPECT_EQ(record.Count(), 4);
    // Already at a multiple: a whole group more.
    record.PadTo(16);
    EXPECT_EQ(record.Count(), 6);
    record.PadTo(4);
    EXPECT_EQ(record.Count(), 6);
    const SFlatRecord& flat = record.Flatten();
    EXPECT_EQ(flat.size, 6 * sizeof(std::uintptr_t));
    EXPECT_EQ(std::vector<std::uintptr_t>(flat.data, flat.data + 6), (std::vector<std::uintptr_t>{1, 2, 3, 0, 0, 0}));
}

TEST(ReportRecord, ReadsBackWhatWasWrittenAndNoMore)
{
    int a = 0, b = 0;
    CSet<int> set;
    set.Append(&a);
    set.Append(&b);
    const SPlugInID id{{UINTPTR_MAX, 2, 3, 4, 5}};
    CReportRecord record;
    record.AppendWord(9);
    record.Flatten();
    record.AppendID(id);
    record.AppendSet(set);
    CRecordReader reader(record.Flatten());
    EXPECT_EQ(reader.Remaining(), 9);
    EXPECT_EQ(reader.ReadWord(), 9u);
    const SPlugInID read = reader.ReadID();
    EXPECT_TRUE(std::equal(std::begin(id.words), std::end(id.words), read.words));
    EXPECT_EQ(reader.ReadWord(), 2u);
    EXPECT_EQ(reader.ReadWord(), reinterpret_cast<std::uintptr_t>(&a));
    EXPECT_EQ(reader.ReadWord(), reinterpret_cast<std::uintptr_t>(&b));
    EXPECT_EQ(reader.Remaining(), 0);
    EXPECT_EQ(hostErrorCode([&] { reader.ReadWord(); }), -1);
    EXPECT_EQ(hostErrorCode([] { CRecordReader(SFlatRecord{}).ReadWord(); }), -1);
}

} // namespace
