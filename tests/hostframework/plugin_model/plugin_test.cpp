#include "hostframework/plugin_model/plugin.h"
#include "hostframework/plugin_model/plugin_data.h"
#include "hostframework/plugin_model/plugin_group.h"
#include "hostframework/plugin_model/plugin_port.h"
#include "hostframework/plugin_model/plugin_type.h"
#include "hostframework/plugin_model/plugin_worker.h"
#include "tests/hostframework/plugin_model/tracked_model.h"
#include "tests/hostframework/support/host_error_code.h"

#include <memory>

namespace {

using kravo::test::hostErrorCode;

using namespace kravo::test;
using Words = std::vector<std::uintptr_t>;

class PlugIn : public TrackedModel {
protected:
    static std::uintptr_t word(const void* pointer) { return reinterpret_cast<std::uintptr_t>(pointer); }
};

const SPlugInID kID{{11, 12, 13, 14, 15}};

// An instance whose port counts may change; it cannot make the port at `failAt`.
class ResizablePlugIn : public CPlugIn {
public:
    using CPlugIn::CPlugIn;
    ~ResizablePlugIn() override
    {
        InputSet().DeleteAll();
        OutputSet().DeleteAll();
    }
    bool CanChangeNumInputs() override { return true; }
    bool CanChangeNumOutputs() override { return true; }
    CPlugInInput* NewInput(std::int32_t position) override
    {
        return position == failAt ? nullptr : CPlugIn::NewInput(position);
    }
    std::int32_t failAt = 0;
};

struct Block : CPlugInData {
    CSmartLong first;
    CSmartPointer second;
};

TEST_F(PlugIn, PortCountsThatCannotChange)
{
    CPlugIn instance(kID);
    CPlugInInput input(instance, 0);
    EXPECT_EQ(instance.SetNumInputs(-1), 0);
    EXPECT_TRUE(reports().empty());
    EXPECT_EQ(instance.SetNumInputs(1), 0);
    EXPECT_EQ(reports().size(), 4u); // opening, the input, the instance, closing
    EXPECT_EQ(instance.SetNumOutputs(0), 0);
    EXPECT_EQ(reports().size(), 8u);
    EXPECT_EQ(instance.SetNumInputs(2), -7152);
    EXPECT_EQ(instance.SetNumInputs(0), -7152);
    EXPECT_EQ(instance.SetNumOutputs(1), -7153);
    EXPECT_EQ(instance.GetNumInputs(), 1);
    EXPECT_EQ(reports().size(), 8u);
}

TEST_F(PlugIn, PortCountsThatChangeGrowAndShrinkAtTheEnd)
{
    ResizablePlugIn instance(kID);
    EXPECT_EQ(instance.SetNumInputs(3), 0);
    EXPECT_EQ(instance.SetNumOutputs(2), 0);
    for (std::int32_t position = 1; position <= 3; ++position)
        EXPECT_EQ(instance.GetInput(position)->GetPosition(), position);
    CPlugInPort* kept = instance.GetInput(1);
    EXPECT_EQ(instance.SetNumInputs(1), 0);
    EXPECT_EQ(instance.GetNumInputs(), 1);
    EXPECT_EQ(instance.GetInput(1), kept);
    EXPECT_EQ(hostext::trackedObjects().size(), 4u); // the instance, one input, two outputs

    instance.failAt = 3;
    hostext::resetObjectTracker();
    EXPECT_EQ(instance.SetNumInputs(4), -9013);
    EXPECT_EQ(instance.GetNumInputs(), 2);
    EXPECT_TRUE(reports().empty());
}

TEST_F(PlugIn, MissingPositionsAnswerTheTypesFallbacks)
{
    CPlugInGroup group(0);
    CPlugInType type(group);
    CPlugIn instance(kID, &type);
    EXPECT_EQ(instance.GetInput(1), &type.GetFallbackPort());
    EXPECT_EQ(instance.GetOutput(1), &type.GetFallbackPort());
    CPlugInInput first(instance, 0);
    CPlugInInput second(instance, 0);
    CPlugInInput third(instance, 0);
    EXPECT_EQ(third.GetPosition(), 3);
    EXPECT_EQ(instance.GetInput(2), &second);
    EXPECT_EQ(instance.GetInput(0), &type.GetFallbackPort());
    EXPECT_EQ(instance.GetInput(4), &type.GetFallbackPort());
    EXPECT_EQ(instance.GetControl(1), &type.GetFallbackControl());
    EXPECT_EQ(instance.GetUserInterface(), &type.GetFallbackUserInterface());

    CPlugInPort& fallback = type.GetFallbackPort();
    EXPECT_TRUE(fallback.IsConnected());
    EXPECT_FALSE(fallback.IsAvailable());
    EXPECT_EQ(fallback.Connect(1), -7106);
    EXPECT_EQ(type.GetFallbackControl().Operation5(0), -7300);
    EXPECT_EQ(type.GetFallbackUserInterface().Operation2(0), -7026);
    EXPECT_EQ(type.GetDefaultPlugIn()->SetNumInputs(0), -7026);

    CPlugIn typeless(kID);
    EXPECT_EQ(hostErrorCode([&] { typeless.GetInput(1); }), -9060);
    EXPECT_EQ(hostErrorCode([&] { typeless.GetOutput(0); }), -9060);
    EXPECT_EQ(hostErrorCode([&] { typeless.GetControl(1); }), -9060);
    EXPECT_EQ(hostErrorCode([&] { typeless.GetUserInterface(); }), -9060);
}

TEST_F(PlugIn, ReportOpensListsTheGraphOnceAndCloses)
{
    CPlugIn instance(kID);
    CPlugInInput input1(instance, 1);
    CPlugInInput input2(instance, 5);
    CPlugInOutput output(instance, 0);
    const auto callback = [](void*, void*) { return std::int32_t{0}; };
    static const char kName[] = "Kick";
    CPlugInWorker worker(instance, callback, kName);
    CPlugInWorker helper(instance, nullptr, nullptr);
    Block block;
    worker.DataSet().Append(&block);
    helper.DataSet().Append(&block);
    worker.InputSet().Append(&input1);
    worker.InputSet().Append(&input1);
    worker.OutputSet().Append(&output);
    hostext::resetObjectTracker();

    instance.ReportState();
    const auto sent = reports();
    ASSERT_EQ(sent.size(), 9u);
    const std::vector<std::pair<const void*, Words>> expected{
        {&instance, {2}},
        {&input1, {1, word(&instance), 1}},
        {&input2, {1, word(&instance), 5}},
        {&output, {1, word(&instance), 1}},
        {&worker, {1, reinterpret_cast<std::uintptr_t>(+callback), 4, 1, word(&block), 1, word(&input1), 1,
                   word(&output), 0, word(kName), 0}},
        {&helper, {1, 0, 4, 1, word(&block), 0, 0, 0, 0, 0}},
        {&block, {1, 0, 12}},
        {&instance, {1, 11, 12, 13, 14, 15, 2, word(&input1), word(&input2), 1, word(&output), 2, word(&worker),
                     word(&helper)}},
        {&instance, {3}},
    };
    for (std::size_t index = 0; index < expected.size(); ++index) {
        EXPECT_EQ(sent[index].object, expected[index].first) << "report " << index;
        Words words = sent[index].words;
        if (index == 6) {
            // The block's last word is the address of a field inside it.
            ASSERT_EQ(words.size(), 4u);
            EXPECT_GE(words[3], word(&block));
            EXPECT_LT(words[3], word(&block + 1));
            words.pop_back();
        }
        EXPECT_EQ(words, expected[index].second) << "report " << index;
    }
}

} // namespace
