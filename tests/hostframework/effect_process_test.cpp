#include "hostframework/controls/discrete_control.h"
#include "hostframework/controls/linear_control.h"
#include "hostframework/effect_type_native.h"
#include "hostframework/effect_type_offline.h"
#include "platform/clock.h"
#include "tests/hostframework/support/chunk_records.h"
#include "tests/hostframework/support/host_error_code.h"
#include "tests/hostframework/support/suppressed_host_views.h"
#include "tests/hostframework/support/test_effect_process.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace kravo::test;

constexpr std::uint32_t kControls = CEffectProcess::kControlsChunkID;

// A process set up by its type as the host's creation does, with the record of its controls chunk.
class EffectProcess : public ::testing::Test {
protected:
    SuppressedHostViews views;
    void start(TestEffectProcess* made)
    {
        process = made;
        process->SetProcessType(&type);
        ASSERT_EQ(process->Initialize(), 0);
    }
    void TearDown() override { delete process; }
    std::vector<std::uint8_t> controlsChunk()
    {
        std::int32_t size = 0;
        EXPECT_EQ(process->GetChunkSize(kControls, &size), 0);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
        EXPECT_EQ(process->GetChunk(kControls, record(bytes)), 0);
        record(bytes)->chunkID = kControls;
        return bytes;
    }
    static SHostPlugInChunk* record(std::vector<std::uint8_t>& bytes) { return chunkRecord(bytes); }
    // A controls chunk holding these entries.
    static std::vector<std::uint8_t> chunkOf(ChunkDataParser& entries) { return writtenChunk(entries, kControls); }

    CEffectTypeOffline type{fourCC("KrCH"), fourCC("Krst"), 2048};
    TestEffectProcess* process = nullptr;
};

TEST_F(EffectProcess, TheControlsChunkHoldsTheGainsAndNeverTheBypass)
{
    start(new TestEffectProcess);
    std::int32_t size = 0;
    EXPECT_EQ(process->GetChunkSize(kControls, &size), 0);
    EXPECT_EQ(size, 92); // 36 bytes of data and the header, counted once
    process->SetControlValue(2, 1000);
    process->SetControlValue(3, -5000);
    process->SetBypass(0, 1);
    auto bytes = controlsChunk();
    EXPECT_EQ(record(bytes)->length, 92u);

    ChunkDataParser read;
    read.Parse(record(bytes));
    double gain = 0.0;
    EXPECT_TRUE(read.GetDouble("sld1", gain));
    EXPECT_TRUE(read.GetDouble("sld2", gain));
    std::int32_t bypass = 0;
    EXPECT_FALSE(read.GetInt32("bypa", bypass));

    process->SetControlValue(2, 0);
    process->SetControlValue(3, 0);
    process->SetBypass(0, 0);
    EXPECT_EQ(process->SetChunk(kControls, record(bytes)), 0);
    EXPECT_NEAR(process->HostValue(2), 1000, 2);
    EXPECT_NEAR(process->HostValue(3), -5000, 2);
    EXPECT_EQ(process->HostValue(1), -2147483647 - 1); // the bypass stays off

    // A bypass entry in a chunk is never restored.
    ChunkDataParser entries;
    entries.AddInt32("bypa", 1);
    entries.AddDouble("sld2", 0.25);
    auto partial = chunkOf(entries);
    EXPECT_EQ(process->SetChunk(kControls, record(partial)), 0);
    EXPECT_EQ(process->HostValue(1), -2147483647 - 1);
    EXPECT_NEAR(process->HostValue(2), 1000, 2); // missing from the chunk: unchanged
    EXPECT_NEAR(dynamic_cast<CPluginControl_Continuous*>(process->GetControl(3))->GetCurrentValue(), 0.25, 1e-6);
}

TEST_F(EffectProcess, ControlsWithPlainNumberIDsEachGetTheirOwnValueBack)
{
    auto* made = new TestEffectProcess(TestEffectProcess::Bare{});
    for (std::uint32_t id = 11; id <= 14; ++id)
        made->AddControl(new CPluginControl_Linear(id, "Param", 0.0, 1.0, 0.001, 0.5, true, nullptr, nullptr));
    start(made);
    for (std::int32_t position = 1; position <= 4; ++position)
        process->SetControlValue(position, position * 100000000);
    auto bytes = controlsChunk();
    for (std::int32_t position = 1; position <= 4; ++position)
        process->SetControlValue(position, 0);
    process->SetChunk(kControls, record(bytes));
    for (std::int32_t position = 1; position <= 4; ++position)
        EXPECT_NEAR(process->HostValue(position), position * 100000000, 2) << position;
}

TEST_F(EffectProcess, WithoutControlsThereIsNoChunkToGive)
{
    start(new TestEffectProcess(TestEffectProcess::Bare{}));
    std::vector<std::uint8_t> bytes(200);
    EXPECT_EQ(process->GetChunk(kControls, record(bytes)), -7083);
    EXPECT_EQ(process->GetChunk(fourCC("tQQt"), record(bytes)), -7157);
    std::int32_t size = 0;
    EXPECT_EQ(process->GetChunkSize(fourCC("tQQt"), &size), -7157);
}

TEST_F(EffectProcess, TheControlsChunkIsListedOnlyBesideChunksOfTheProcesssOwn)
{
    start(new TestEffectProcess);
    std::int32_t count = -1;
    std::uint32_t id = 0;
    EXPECT_EQ(process->GetNumChunks(&count), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(process->GetChunkID(1, &id), -7157);

    process->DeclareChunk(CEffectProcess::kMIDIChunkID, "MIDI", 0);
    process->GetNumChunks(&count);
    EXPECT_EQ(count, 1);
    process->GetChunkID(1, &id);
    EXPECT_EQ(id, CEffectProcess::kMIDIChunkID);

    process->DeclareChunk(fourCC("tQQt"), "plugstate", 1000);
    process->GetNumChunks(&count);
    EXPECT_EQ(count, 3);
    std::vector<std::uint32_t> ids;
    for (std::int32_t index = 1; index <= 3; ++index) {
        EXPECT_EQ(process->GetChunkID(index, &id), 0);
        ids.push_back(id);
    }
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{kControls, CEffectProcess::kMIDIChunkID, fourCC("tQQt")}));
    EXPECT_EQ(process->GetChunkID(4, &id), -7157);
    EXPECT_EQ(process->GetChunkID(0, &id), -7157);

    std::int32_t size = 0;
    EXPECT_EQ(process->GetChunkSize(fourCC("tQQt"), &size), 0);
    EXPECT_EQ(size, 1056);
    std::uint8_t name[256] = {};
    EXPECT_EQ(process->GetChunkName(fourCC("tQQt"), name), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(name), 10), "\x09plugstate");
    name[0] = 42;
    EXPECT_EQ(process->GetChunkName(fourCC("none"), name), -7157);
    EXPECT_EQ(name[0], 42);
}

TEST_F(EffectProcess, ComparingGoesByWhatTheHostWouldShow)
{
    start(new TestEffectProcess);
    process->SetControlValue(2, 700000000);
    auto bytes = controlsChunk();
    std::uint8_t same = 9;
    EXPECT_EQ(process->CompareChunk(record(bytes), &same), 0);
    EXPECT_EQ(same, 1);

    process->SetControlValue(2, 700000001); // far below a tenth of a decibel
    process->CompareChunk(record(bytes), &same);
    EXPECT_EQ(same, 1);
    process->SetControlValue(2, 0);
    process->CompareChunk(record(bytes), &same);
    EXPECT_EQ(same, 0);

    record(bytes)->chunkID = fourCC("tQQt");
    process->CompareChunk(record(bytes), &same);
    EXPECT_EQ(same, 1);

    // Discrete controls compare their steps.
    auto* stepped = new TestEffectProcess(TestEffectProcess::Bare{});
    stepped->AddControl(new CPluginControl_Discrete(fourCC("mode"), "Mode", 0, 4, 2, true));
    delete process;
    start(stepped);
    bytes = controlsChunk();
    process->CompareChunk(record(bytes), &same);
    EXPECT_EQ(same, 1);
    process->SetControlValue(1, -2147483647 - 1);
    process->CompareChunk(record(bytes), &same);
    EXPECT_EQ(same, 0);
    process->SetChunk(kControls, record(bytes));
    EXPECT_EQ(dynamic_cast<CPluginControl_Discrete*>(process->GetControl(1))->GetCurrentInteger(), 2);
}

TEST_F(EffectProcess, TheBypassIsTheMasterBypassControl)
{
    start(new TestEffectProcess);
    std::int32_t position = 0;
    process->GetBypassControlIndex(&position);
    EXPECT_EQ(position, 1);
    std::uint8_t bypassed = 9;
    EXPECT_EQ(process->SetBypass(0, 1), 0);
    EXPECT_EQ(process->HostValue(1), 2147483647);
    process->GetBypass(0, &bypassed);
    EXPECT_EQ(bypassed, 1);
    process->SetBypass(0, 0);
    EXPECT_EQ(process->HostValue(1), -2147483647 - 1);
    process->GetBypass(0, &bypassed);
    EXPECT_EQ(bypassed, 0);

    delete process;
    start(new TestEffectProcess(TestEffectProcess::Bare{}));
    bypassed = 9;
    EXPECT_EQ(process->SetBypass(0, 1), 0);
    EXPECT_EQ(process->GetBypass(0, &bypassed), 0);
    EXPECT_EQ(bypassed, 9);
}

TEST_F(EffectProcess, KeysTheRootViewLeavesGoToTheProcessAndTheBaseNameIsTheTypes)
{
    start(new TestEffectProcess);
    std::uint8_t handled = 9;
    EXPECT_EQ(process->HandleKeyEvent(nullptr, &handled), 0);
    EXPECT_EQ(handled, 0);
    process->usesKeys = true;
    process->HandleKeyEvent(nullptr, &handled);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(process->keysOffered, 2);

    type.SetNameList("Kravo Drums\nKravo");
    char name[300] = {};
    process->GetBaseName(name);
    EXPECT_STREQ(name, "Kravo Drums");
}

TEST_F(EffectProcess, MetersReadThroughTheCacheAndTheClipStaysUntilCleared)
{
    platform::ManualClock clock{1000};
    platform::setClock(&clock);
    auto* made = new TestEffectProcess;
    made->metersToAdd = 3;
    made->levels = {10, 20, 30};
    made->clipFlags = {0, 1, 0};
    start(made);

    std::int32_t count = 0;
    process->GetMeterCount(&count);
    EXPECT_EQ(count, 3);
    std::int32_t level = 0;
    process->GetMeterLevel(2, &level);
    EXPECT_EQ(level, 20);
    process->levels = {11, 21, 31};
    process->GetMeterLevel(3, &level);
    EXPECT_EQ(level, 30); // the same tick: what the cache holds
    clock.advance(1);
    process->GetMeterLevel(3, &level);
    EXPECT_EQ(level, 30);
    EXPECT_EQ(process->meterReads, 1); // at most once per two ticks
    clock.advance(1);
    process->GetMeterLevel(3, &level);
    EXPECT_EQ(level, 31);
    EXPECT_EQ(process->GetMeterLevel(4, &level), 0);
    EXPECT_EQ(level, 0);

    std::uint8_t clipped = 0;
    clock.advance(2);
    process->GetClipIndicator(&clipped);
    EXPECT_EQ(clipped, 1);
    process->clipFlags = {0, 0, 0};
    clock.advance(2);
    process->GetClipIndicator(&clipped);
    EXPECT_EQ(clipped, 1); // latched
    process->ClearClipIndicators();
    clock.advance(2);
    process->GetClipIndicator(&clipped);
    EXPECT_EQ(clipped, 0);

    // Meters by type: 0, 1, 0 in order.
    process->GetNumMeters(EMeterType(0), &count);
    EXPECT_EQ(count, 2);
    std::int32_t meter = 0;
    process->GetMeterOfType(EMeterType(0), 2, &meter);
    EXPECT_EQ(meter, 3);
    process->GetMeterOfType(EMeterType(1), 2, &meter);
    EXPECT_EQ(meter, 0);
    EMeterOrientation orientation{};
    process->GetMeterOrientation(2, &orientation);
    EXPECT_EQ(orientation, EMeterOrientation(11));
    EXPECT_EQ(hostErrorCode([&] { process->AddMeter(nullptr); }), -7053);
    platform::setClock(nullptr);
}

TEST(MeterCache, TwoReadersBothSeeAPeakBetweenTheirReads)
{
    platform::ManualClock clock{1000};
    platform::setClock(&clock);
    TestEffectProcess process(TestEffectProcess::Bare{});
    process.levels = {10};
    process.clipFlags = {0};
    CMeterCache cache;
    cache.Bind(&process, 1);
    cache.AddMeter(new SMeter{});
    std::int32_t values[1] = {};
    std::uint8_t clips[1] = {};

    EXPECT_EQ(cache.ReadOne(kHostMeterReader, 1, values, clips), 10);
    process.levels = {90}; // a peak
    clock.advance(2);
    EXPECT_EQ(cache.ReadOne(kInternalMeterReader, 1, values, clips), 90);
    process.levels = {5};
    clock.advance(2);
    EXPECT_EQ(cache.ReadOne(kHostMeterReader, 1, values, clips), 90); // held for the host's reader
    clock.advance(2);
    EXPECT_EQ(cache.ReadOne(kInternalMeterReader, 1, values, clips), 5);

    // A native process has levels only after it rendered.
    CMeterCache native;
    native.Bind(&process, 3);
    native.AddMeter(new SMeter{});
    process.SetMetersReady(false);
    clock.advance(2);
    EXPECT_EQ(native.ReadOne(kHostMeterReader, 1, values, clips), 0);
    process.SetMetersReady(true);
    EXPECT_EQ(native.ReadOne(kHostMeterReader, 1, values, clips), 5);
    EXPECT_FALSE(process.AreMetersReady());

    // Array mode: fixed slots, no meter objects, the same reading.
    CMeterCache slots(2);
    slots.Bind(&process, 1);
    EXPECT_EQ(slots.Count(), 2);
    EXPECT_EQ(slots.Meter(0), nullptr);
    process.levels = {7, 8};
    process.clipFlags = {0, 1};
    std::int32_t pair[2] = {};
    std::uint8_t pairClips[2] = {};
    clock.advance(2);
    slots.ReadAll(kHostMeterReader, pair, pairClips);
    EXPECT_EQ(pair[1], 8);
    EXPECT_EQ(pairClips[1], 1);
    slots.Clear(pair, pairClips);
    slots.ReadAll(kHostMeterReader, pair, pairClips);
    EXPECT_EQ(pair[1], 0);
    EXPECT_EQ(pairClips[1], 0);
    platform::setClock(nullptr);
}

TEST_F(EffectProcess, OutputStreamsDescribeTheirChannels)
{
    start(new TestEffectProcess);
    EXPECT_EQ(hostErrorCode([&] { process->AddAOSInfo(nullptr); }), -7053);
    SHostPlugInStemInfo stereo;
    stereo.present = 1;
    stereo.firstChannel = 0;
    stereo.stemFormat = 1;
    std::strcpy(stereo.name, "Main");
    SHostPlugInStemInfo mono = stereo;
    mono.present = 0;
    mono.firstChannel = 4;
    mono.stemFormat = 0;
    process->AddAOSInfo(new CAOSInfo(stereo));
    process->AddAOSInfo(new CAOSInfo(mono));
    SHostPlugInStemInfo broken = stereo;
    broken.stemFormat = 11;
    EXPECT_EQ(hostErrorCode([&] { CAOSInfo unused(broken); }), -7401);

    std::int32_t count = 0;
    process->GetAOSCount(&count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(process->GetAOSTotalChannels(), 3);
    EXPECT_TRUE(process->HasOutputChannel(1));
    EXPECT_FALSE(process->HasOutputChannel(2));
    EXPECT_TRUE(process->HasOutputChannel(4));
    EXPECT_FALSE(process->IsOutputChannelEnabled(1));
    EXPECT_TRUE(process->IsOutputChannelEnabled(2)); // no stream carries it
    process->SetOutputChannelEnabled(1, true);
    EXPECT_TRUE(process->IsOutputChannelEnabled(1));
    EXPECT_FALSE(process->IsOutputChannelEnabled(0));

    SHostPlugInStemInfo out;
    process->GetAOSInfo(0, &out);
    EXPECT_EQ(out.present, 1);
    EXPECT_EQ(out.stemFormat, 1);
    EXPECT_STREQ(out.name, "Main");
    SHostPlugInStemInfo absent;
    process->GetAOSInfo(1, &absent);
    EXPECT_EQ(absent.present, 0);
    EXPECT_EQ(absent.firstChannel, -1); // not copied for an absent stream
    EXPECT_EQ(hostErrorCode([&] { process->GetAOSInfo(2, &out); }), -7103);
    EXPECT_EQ(hostErrorCode([&] { process->GetAOSInfo(-1, &out); }), -7103);
}

// Damaged and random controls chunks: each control keeps its value or takes one the record holds,
// the bypass never moves.
TEST_F(EffectProcess, DamagedControlsChunksRestoreOnlyWhatTheyHold)
{
    start(new TestEffectProcess);
    process->SetBypass(0, 1);
    std::mt19937 random(20261207);
    const char* keys[] = {"sld1", "sld2", "bypa", "", "sld"};
    int restored = 0;
    for (int round = 0; round < 1500; ++round) {
        ChunkDataParser entries;
        const int count = static_cast<int>(random() % 6);
        for (int k = 0; k < count; ++k) {
            const char* key = keys[random() % 5];
            switch (random() % 5) {
            case 0: entries.AddDouble(key, static_cast<double>(random() % 3000) / 1000.0 - 0.5); break;
            case 4: entries.AddDouble(key, std::bit_cast<double>((std::uint64_t{random()} << 32) | random())); break;
            case 1: entries.AddFloat(key, static_cast<float>(random() % 1000) / 100.0f); break;
            case 2: entries.AddInt32(key, static_cast<std::int32_t>(random())); break;
            case 3: entries.AddInt16(key, static_cast<std::int16_t>(random())); break;
            }
        }
        auto bytes = chunkOf(entries);
        damageChunk(bytes, random);

        // What the record can give the gains, as host values.
        ChunkDataParser held;
        held.Parse(record(bytes));
        const auto* gain = dynamic_cast<CPluginControl_Continuous*>(process->GetControl(2));
        std::set<std::int32_t> offered;
        for (const char* key : {"sld1", "sld2"}) {
            double value = 0.0;
            for (int n = 0; n < 8; ++n)
                if (held.GetDouble(key, value))
                    offered.insert(const_cast<CPluginControl_Continuous*>(gain)->ContinuousToHost(value));
        }
        const std::int32_t before[3] = {process->HostValue(1), process->HostValue(2), process->HostValue(3)};
        std::uint8_t same = 9;
        process->CompareChunk(record(bytes), &same);
        EXPECT_LE(same, 1);
        process->SetChunk(kControls, record(bytes));
        ASSERT_EQ(process->HostValue(1), before[0]) << round;
        for (std::int32_t position : {2, 3}) {
            const std::int32_t now = process->HostValue(position);
            EXPECT_TRUE(now == before[position - 1] || offered.contains(now)) << round;
            restored += now != before[position - 1] ? 1 : 0;
        }
    }
    EXPECT_GT(restored, 100); // the sweep reaches the restoring path, not only the refusals
}

} // namespace
