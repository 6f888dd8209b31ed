#include "plugin/base/plug_types.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

namespace {

// A host lays these records out by byte offsets of its own; a field that drifts is read as garbage there, while
// nothing inside the plug-in can notice.
TEST(HostRecords, LieAtTheHostsByteOffsets)
{
    EXPECT_EQ(sizeof(PlugTimeInfo), 88u);
    EXPECT_EQ(offsetof(PlugTimeInfo, samplePos), 0u);
    EXPECT_EQ(offsetof(PlugTimeInfo, sampleRate), 8u);
    EXPECT_EQ(offsetof(PlugTimeInfo, reservedTime), 16u);
    EXPECT_EQ(offsetof(PlugTimeInfo, ppqPos), 24u);
    EXPECT_EQ(offsetof(PlugTimeInfo, tempo), 32u);
    EXPECT_EQ(offsetof(PlugTimeInfo, reservedPositions), 40u);
    EXPECT_EQ(offsetof(PlugTimeInfo, timeSigNumerator), 64u);
    EXPECT_EQ(offsetof(PlugTimeInfo, timeSigDenominator), 68u);
    EXPECT_EQ(offsetof(PlugTimeInfo, reservedCounts), 72u);
    EXPECT_EQ(offsetof(PlugTimeInfo, flags), 84u);

    EXPECT_EQ(sizeof(PlugMidiEvent), 32u);
    EXPECT_EQ(offsetof(PlugMidiEvent, byteSize), 4u);
    EXPECT_EQ(offsetof(PlugMidiEvent, deltaFrames), 8u);
    EXPECT_EQ(offsetof(PlugMidiEvent, noteLength), 16u);
    EXPECT_EQ(offsetof(PlugMidiEvent, noteOffset), 20u);
    EXPECT_EQ(offsetof(PlugMidiEvent, midiData), 24u);
    EXPECT_EQ(offsetof(PlugMidiEvent, detune), 28u);
    EXPECT_EQ(offsetof(PlugMidiEvent, reserved2), 31u);
    EXPECT_EQ(sizeof(PlugEvent), sizeof(PlugMidiEvent)); // the list's generic view of the same record

    // A count, a pointer-sized reserved word, then the event pointers, each at the next pointer-aligned place.
    EXPECT_EQ(offsetof(PlugEvents, numEvents), 0u);
    EXPECT_EQ(sizeof(PlugEvents::reserved), sizeof(void*));
    EXPECT_EQ(offsetof(PlugEvents, reserved), alignof(PlugIntPtr) > 4 ? alignof(PlugIntPtr) : 4u);
    EXPECT_EQ(offsetof(PlugEvents, events), offsetof(PlugEvents, reserved) + sizeof(PlugIntPtr));

    EXPECT_EQ(sizeof(ERect), 8u);
    EXPECT_EQ(offsetof(ERect, top), 0u);
    EXPECT_EQ(offsetof(ERect, left), 2u);
    EXPECT_EQ(offsetof(ERect, bottom), 4u);
    EXPECT_EQ(offsetof(ERect, right), 6u);
}

} // namespace
