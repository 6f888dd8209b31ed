#include "hostframework/effect_type_card.h"
#include "hostframework/effect_type_native.h"
#include "hostframework/effect_type_offline.h"
#include "hostlibs/dspshell/dsp_shell_control.h"
#include "tests/hostframework/support/test_effect_process.h"
#include "tests/hostframework/support/suppressed_host_views.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace kravo::test;

std::int32_t attribute(CEffectType& type, std::int32_t number, std::int32_t start = 0)
{
    std::int32_t value = start;
    EXPECT_EQ(type.GetTypeAttribute(number, &value), 0);
    return value;
}

TEST(EffectType, FeaturesAnswerTheirAttributes)
{
    CEffectType type{fourCC("KrCH"), fourCC("Krst"), 3, 2048};
    EXPECT_EQ(attribute(type, 7), 1);
    EXPECT_EQ(attribute(type, 8), 0);
    type.AddFeature(8);
    EXPECT_EQ(attribute(type, 8), 1);
    type.AddFeature(41);
    EXPECT_EQ(attribute(type, 41), 1);
    EXPECT_EQ(attribute(type, 30), 1);
    EXPECT_EQ(attribute(type, 38), 0);
    EXPECT_EQ(attribute(type, 21), 2048);
    type.RemoveFeature(8);
    EXPECT_EQ(attribute(type, 8), 0);

    CEffectTypeNative native{fourCC("KrCH"), fourCC("Krst"), 2048};
    native.AddFeature(41);
    EXPECT_EQ(attribute(native, 38), 1);
    EXPECT_EQ(attribute(native, 30), 1);

    // The side-input feature answers the input count plus one.
    native.SetChannelCounts(2, 2);
    EXPECT_EQ(attribute(native, 5), 0);
    native.AddFeature(5);
    EXPECT_EQ(attribute(native, 5), 3);
}

TEST(EffectType, StemFormatsGiveTheChannelCounts)
{
    CEffectType type{fourCC("KrCH"), fourCC("Krst"), 3, 2048};
    EXPECT_EQ(attribute(type, 29), 0);
    type.SetStemFormats(1, 1, 0);
    std::int16_t inputs = 0;
    std::int16_t outputs = 0;
    type.GetNumInputs(0, &inputs);
    type.GetNumOutputs(0, &outputs);
    EXPECT_EQ(inputs, 2);
    EXPECT_EQ(outputs, 2);
    EXPECT_EQ(attribute(type, 29), 1);
    SHostPlugInStemFormats formats{};
    EXPECT_EQ(type.GetStemFormats(1, &formats), 0);
    EXPECT_EQ(formats.formats[0], 1);
    EXPECT_EQ(formats.formats[1], 1);
    EXPECT_EQ(formats.formats[2], 0);

    type.SetStemFormats(-1, 10, 0); // -1 keeps the input count
    type.GetNumInputs(0, &inputs);
    type.GetNumOutputs(0, &outputs);
    EXPECT_EQ(inputs, 2);
    EXPECT_EQ(outputs, 8);
    try {
        type.SetStemFormats(11, 1, 0);
        FAIL() << "format 11 was taken";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), -7401);
    }
}

TEST(EffectType, NamesIDsAndCardAttributes)
{
    CEffectType type{fourCC("KrCH"), fourCC("Krst"), 3, 2048};
    type.SetNameList("Kravo\nKrav\nKra\nKr");
    char name[8] = {};
    EXPECT_EQ(type.GetName(4, name), 0);
    EXPECT_EQ(std::string(name, 5), "\x04Krav");
    EXPECT_EQ(type.GetName(1, name), 0);
    EXPECT_EQ(std::string(name, 2), "\x01K");

    std::uint8_t idText[32] = {};
    type.GetTypeIDString(idText);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(idText), 5), "\x04KrCH");
    type.SetResourceName("Kravo Drums");
    type.GetTypeIDString(idText);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(idText), 12), "\x0bKravo Drums");

    std::uint32_t plugIn = 0;
    std::uint32_t secondary = 0;
    EXPECT_EQ(type.GetPlugInIDs(&plugIn, &secondary), 0);
    EXPECT_EQ(plugIn, fourCC("Krst"));
    EXPECT_EQ(secondary, fourCC("grID"));

    type.SetCardAttribute(5, 18);
    EXPECT_EQ(type.GetCardAttribute(18), 1);
    type.SetCardAttribute(9, 26);
    EXPECT_EQ(type.GetCardAttribute(26), 1);
    type.SetCardAttribute(14, 29);
    EXPECT_EQ(type.GetCardAttribute(29), 6);
    type.SetCardAttribute(0, 40);
    EXPECT_EQ(type.GetCardAttribute(40), 1);
    type.SetDefaultCardAttribute(1234);
    EXPECT_EQ(attribute(type, 32), 1234); // not a card type: the default whatever the cards
}

TEST(EffectType, ACardTypeAnswersAttribute32ByTheCardsPresent)
{
    dspshell::reset();
    CEffectTypeCard type{fourCC("KrCH"), fourCC("Krst"), 2048};
    type.SetCardAttribute(0, 21);
    type.SetCardAttribute(5, 26);
    type.SetCardAttribute(1, 29);
    EXPECT_EQ(attribute(type, 32, -3), -3); // no card: left as it was
    dspshell::addCard(21);
    EXPECT_EQ(attribute(type, 32), 0);
    dspshell::addCard(26);
    EXPECT_EQ(attribute(type, 32), 5);
    dspshell::addCard(29);
    EXPECT_EQ(attribute(type, 32), 5); // family 29 at 1 takes family 26's value
    type.SetCardAttribute(3, 29);
    EXPECT_EQ(attribute(type, 32), 3);
    dspshell::reset();
}

TEST(EffectType, ChunksCarryTheTypesIDsAndOthersAreRefused)
{
    const SuppressedHostViews views;
    CEffectTypeNative type{fourCC("KrCH"), fourCC("Krst"), 2048};
    type.SetProcessFactory(&MakeTestEffectProcess);
    std::int32_t id = 0;
    ASSERT_EQ(type.CreateProcessInstance(&id), 0);
    auto* process = dynamic_cast<TestEffectProcess*>(type.FindProcess(id));
    ASSERT_NE(process, nullptr);

    std::int32_t size = 0;
    ASSERT_EQ(type.GetChunkSize(id, CEffectProcess::kControlsChunkID, &size), 0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size), 0xEE);
    auto* chunk = reinterpret_cast<SHostPlugInChunk*>(bytes.data());
    ASSERT_EQ(type.GetChunk(id, CEffectProcess::kControlsChunkID, chunk), 0);
    EXPECT_EQ(chunk->plugInID, fourCC("Krst"));
    EXPECT_EQ(chunk->typeID, fourCC("KrCH"));
    EXPECT_EQ(chunk->chunkID, CEffectProcess::kControlsChunkID);
    EXPECT_EQ(chunk->zeroWord, 0u);

    std::uint8_t same = 7;
    EXPECT_EQ(type.CompareChunk(id, chunk, &same), 0);
    EXPECT_EQ(same, 1);
    EXPECT_EQ(type.SetChunk(id, CEffectProcess::kControlsChunkID, chunk), 0);
    EXPECT_EQ(process->chunkCalls, 2);
    chunk->plugInID = fourCC("Othr");
    EXPECT_EQ(type.SetChunk(id, CEffectProcess::kControlsChunkID, chunk), -7157);
    EXPECT_EQ(type.CompareChunk(id, chunk, &same), -7157);
    EXPECT_EQ(process->chunkCalls, 2);
    EXPECT_EQ(type.SetChunk(id, CEffectProcess::kControlsChunkID, nullptr), -9013);

    EXPECT_EQ(type.HostCall15(id, nullptr), 0);
    EXPECT_EQ(type.HostCall15(id + 1, nullptr), -7126);
    type.DeleteAllProcesses();
}

TEST(EffectType, ACopyTakesTheSetUpAndNotTheKind)
{
    CEffectType source{fourCC("KrCH"), fourCC("Krst"), 0, 2048};
    source.SetNameList("Kravo");
    source.AddFeature(12);
    source.SetStemFormats(0, 1, 0);
    source.SetCardAttribute(3, 26);
    source.SetProcessFactory(&MakeTestEffectProcess);
    CEffectTypeOffline copy{fourCC("none"), fourCC("none"), 0};
    static_cast<CEffectType&>(copy) = source;
    std::uint32_t id = 0;
    copy.GetTypeID(&id);
    EXPECT_EQ(id, fourCC("KrCH"));
    EXPECT_EQ(copy.GetPlugInID(), fourCC("Krst"));
    EXPECT_EQ(copy.GetNameList(), "Kravo");
    EXPECT_EQ(attribute(copy, 12), 1);
    EXPECT_EQ(attribute(copy, 21), 2048);
    EXPECT_EQ(copy.GetCardAttribute(26), 3);
    std::int16_t outputs = 0;
    copy.GetNumOutputs(0, &outputs);
    EXPECT_EQ(outputs, 2);
    std::int32_t kind = 0;
    copy.GetTypeKind(&kind);
    EXPECT_EQ(kind, 1);
    CProcess* made = copy.MakeProcess();
    EXPECT_NE(dynamic_cast<TestEffectProcess*>(made), nullptr);
    delete made;
}

TEST(EffectType, ACardTypeCountsItsProcessesOnEachDSP)
{
    const SuppressedHostViews views;
    class SizedDSP : public CProcessDSP {
    public:
        std::int16_t GetCapacity() override { return 2; }
    };
    SizedDSP dsp;
    CEffectTypeCard type{fourCC("KrCH"), fourCC("Krst"), 2048};
    type.SetProcessFactory([]() -> CProcess* { return new TestEffectProcess; });
    std::int32_t id = 0;
    type.CreateProcessInstance(&id);
    dynamic_cast<CDSPProcess*>(type.FindProcess(id))->SetDSP(0, &dsp);
    type.SetDSPCounts(3, 5);
    std::int16_t first = 0;
    std::int16_t second = 0;
    type.GetDSPCounts(&first, &second);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 5);
    type.GetUsage(&dsp, &first, &second);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 5);
    EXPECT_TRUE(type.CanAddProcess(&dsp));
    type.CreateProcessInstance(&id);
    dynamic_cast<CDSPProcess*>(type.FindProcess(id))->SetDSP(0, &dsp);
    EXPECT_FALSE(type.CanAddProcess(&dsp));
    EXPECT_TRUE(type.HasRoomA(&dsp));
    EXPECT_FALSE(type.CanAddProcess(nullptr));

    EXPECT_EQ(type.GetMaxInstances(), 0); // no channels set: the smaller count
    type.SetDSPLimit(4);
    EXPECT_EQ(type.GetMaxInstances(), 4);
    for (CProcess* process : type.GetProcesses())
        dynamic_cast<CDSPProcess*>(process)->SetDSP(0, nullptr);
    type.DeleteAllProcesses();
}

} // namespace
