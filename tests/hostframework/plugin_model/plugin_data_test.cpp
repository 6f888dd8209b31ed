#include "hostframework/plugin_model/plugin_data.h"
#include "tests/hostframework/plugin_model/tracked_model.h"

#include <cstring>

namespace {

using namespace kravo::test;

class PlugInData : public TrackedModel {};

struct EveryKind : CPlugInData {
    CSmartByte byte;
    CSmartDouble real8;
    CSmartFloat real4;
    CSmartLong signed4;
    CSmartULong unsigned4;
    CSmartPointer pointer;
};

// A structure that places no field leaves its record empty.
struct Unplaced : CPlugInData {
    using CPlugInData::AddField;
    void AddField(CSmartLong&) override {}
    CSmartLong field;
};

template <typename T>
T at(const std::uint8_t* buffer, std::int32_t offset)
{
    T value;
    std::memcpy(&value, buffer + offset, sizeof value);
    return value;
}

TEST_F(PlugInData, FieldsFollowEachOtherInDeclarationOrder)
{
    EveryKind data;
    EXPECT_EQ(data.byte.GetOffset(), 0);
    EXPECT_EQ(data.real8.GetOffset(), 1);
    EXPECT_EQ(data.real4.GetOffset(), 9);
    EXPECT_EQ(data.signed4.GetOffset(), 13);
    EXPECT_EQ(data.unsigned4.GetOffset(), 17);
    EXPECT_EQ(data.pointer.GetOffset(), 21);
    EXPECT_EQ(data.GetSize(), 29);

    data.byte.Set(9);
    data.real8.Set(0.25);
    data.real4.Set(-1.5f);
    data.signed4.Set(-7);
    data.unsigned4.Set(0xFFFFFFFEu);
    data.pointer.Set(UINTPTR_MAX - 1);
    EXPECT_EQ(data.byte.Get(), 0); // the one-byte kind keeps nothing
    EXPECT_EQ(data.real8.Get(), 0.25);
    EXPECT_EQ(data.real4.Get(), -1.5f);
    EXPECT_EQ(data.signed4.Get(), -7);
    EXPECT_EQ(data.unsigned4.Get(), 0xFFFFFFFEu);
    EXPECT_EQ(data.pointer.Get(), UINTPTR_MAX - 1);
}

TEST_F(PlugInData, AnInstalledBufferMirrorsTheBlock)
{
    EveryKind data;
    data.real8.Set(2.0);
    data.pointer.Set(0x1234);
    data.Report();
    EXPECT_EQ(reports().back().words[2], 29u);

    std::uint8_t external[29] = {};
    hostext::installBufferOnNextDataReport(external);
    data.Report();
    EXPECT_EQ(at<double>(external, 1), 2.0);
    EXPECT_EQ(at<std::uintptr_t>(external, 21), 0x1234u);

    data.signed4.Set(42);
    EXPECT_EQ(at<std::int32_t>(external, 13), 42);
    // The host's value wins and is kept.
    const double hostValue = 8.5;
    std::memcpy(external + 1, &hostValue, sizeof hostValue);
    EXPECT_EQ(data.real8.Get(), 8.5);
    // A report that installs nothing copies nothing.
    std::memset(external, 0, sizeof external);
    data.Report();
    EXPECT_EQ(at<std::int32_t>(external, 13), 0);
}

TEST_F(PlugInData, AnEmptyRecordCannotBeRead)
{
    Unplaced data;
    EXPECT_EQ(data.GetSize(), 0);
    try {
        data.field.Get();
        FAIL() << "read an empty record";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), -9060);
    }
    // A buffer installed before the first access has nothing to copy.
    std::uint8_t external[4] = {1, 2, 3, 4};
    hostext::installBufferOnNextDataReport(external);
    data.Report();
    EXPECT_EQ(external[0], 1);
}

} // namespace
