#include "hostframework/plugin_model/plugin_group.h"
#include "hostframework/plugin_model/plugin_type.h"
#include "platform/four_char_code.h"
#include "tests/hostframework/plugin_model/tracked_model.h"

#include <vector>

namespace {

using namespace kravo::test;

class PlugInType : public TrackedModel {};

// A type that makes plain instances, or none while `fail` is set.
class MakingType : public CPlugInType {
public:
    using CPlugInType::CPlugInType;
    ~MakingType() override { InstanceSet().DeleteAll(); }
    CPlugIn* NewPlugIn(std::uintptr_t* record) override { return fail ? nullptr : new CPlugIn(*this, record[0]); }
    bool fail = false;
};

// An instance that answers the group's first broadcast with its own code and counts the calls.
class Answering : public CPlugIn {
public:
    Answering(CPlugInType& type, std::uintptr_t& handle, std::int16_t answer)
        : CPlugIn(type, handle), answer(answer)
    {
    }
    std::int16_t Extension38(std::int32_t) override
    {
        ++calls;
        return answer;
    }
    std::int16_t answer;
    int calls = 0;
};

TEST_F(PlugInType, MakesFilesAndDeletesInstances)
{
    CPlugInGroup group(77);
    MakingType type(group);
    std::uintptr_t record[2] = {0, 0};
    ASSERT_EQ(type.CreatePlugIn(record), 0);
    CPlugIn* instance = type.FindPlugIn(record[0]);
    EXPECT_EQ(record[0], reinterpret_cast<std::uintptr_t>(instance));
    EXPECT_EQ(type.InstanceSet().At(1), instance);
    SPlugInID id;
    instance->GetID(id);
    EXPECT_EQ(std::vector<std::uintptr_t>(id.words, id.words + 5),
              (std::vector<std::uintptr_t>{0xFFFFE471u, FourCharCode("    "), FourCharCode("    "), 77, record[0]}));
    EXPECT_EQ(reports().front().words, std::vector<std::uintptr_t>{2});
    EXPECT_EQ(reports().back().words, std::vector<std::uintptr_t>{3});

    EXPECT_EQ(type.CreatePlugIn(record), -7126);
    type.fail = true;
    std::uintptr_t refused[1] = {5};
    EXPECT_EQ(type.CreatePlugIn(refused), -9013);
    EXPECT_EQ(refused[0], 0u);

    EXPECT_EQ(type.DeletePlugIn(5), -7001);
    EXPECT_EQ(type.DeletePlugIn(record[0]), 0);
    EXPECT_EQ(type.InstanceSet().Count(), 0);
    EXPECT_EQ(type.FindPlugIn(record[0]), type.GetDefaultPlugIn());
    EXPECT_EQ(hostext::trackedObjects().count(instance), 0u);
}

TEST_F(PlugInType, AValueWordStandsInForTheGroupsValueWhileMaking)
{
    CPlugInGroup group(1);
    MakingType type(group);
    std::uintptr_t record[2] = {99, 0};
    ASSERT_EQ(type.CreatePlugInWithValue(record), 0);
    SPlugInID id;
    type.FindPlugIn(record[1])->GetID(id);
    EXPECT_EQ(id.words[3], 99u);
    EXPECT_EQ(group.GetValue(), 1u);
    EXPECT_EQ(group.GetDefaultType()->CreatePlugIn(record), -7055);
    EXPECT_EQ(group.GetDefaultType()->DeletePlugIn(record[1]), -7055);
}

TEST_F(PlugInType, TheGroupFindsCollectsAndBroadcasts)
{
    CPlugInGroup group(3);
    MakingType first(group);
    MakingType second(group);
    group.TypeSet().Append(&first);
    group.TypeSet().Append(&second);
    group.SetValue(4);
    const std::uint32_t code[4] = {0xFFFFE471u, FourCharCode("    "), FourCharCode("    "), 4};
    EXPECT_EQ(group.FindType(code), &first);
    const std::uint32_t unknown[4] = {1, 2, 3, 4};
    EXPECT_EQ(group.FindType(unknown), group.GetDefaultType());

    EXPECT_EQ(group.CollectTypes(2), 0);
    EXPECT_EQ(group.Operation7(), 0);
    group.CollectTypes(3);
    EXPECT_EQ(group.Operation7(), 2);

    char buffer[32];
    CPlugInString text(31, buffer);
    group.GetManufacturerName(text);
    EXPECT_STREQ(buffer, "Host Vendor");

    std::uintptr_t handles[3] = {};
    Answering quiet(first, handles[0], 0);
    Answering failing(second, handles[1], -3);
    Answering later(second, handles[2], -4);
    first.InstanceSet().Append(&quiet);
    second.InstanceSet().Append(&failing);
    second.InstanceSet().Append(&later);
    EXPECT_EQ(group.Operation19(1), -3);
    EXPECT_EQ(quiet.calls + failing.calls + later.calls, 3);
    EXPECT_EQ(group.Operation20(1), 0);
    first.InstanceSet().Clear();
    second.InstanceSet().Clear();
}

} // namespace
