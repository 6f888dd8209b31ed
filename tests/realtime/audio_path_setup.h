#pragma once

#include "plugin/aplugin.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "tests/support/temp_folder.h"

#include <memory>

namespace kravo::test {

inline constexpr float kSampleRate = 48000.0f;
inline constexpr int kBlock = 512;

// What the host reports as its time; the tests move the transport between blocks.
extern PlugTimeInfo hostTime;

// An instance at the test rate whose host answers only the time information.
std::unique_ptr<APlugin> makeRealtimePlugin();

// Sends the bass drum, snare, closed hat and clap to the four effect slots and gives the slots the given types: a type
// change sets a slot up and clears its memory on the audio thread.
void sendDrumsThroughEffects(PluginRecord* record, const int (&types)[4]);

enum class SampleDirection { forward, reverse };

// A layer of a sample slot, from the main thread, as the sample page loads one: a short sample, on and loud, looped
// or played once, forward or backward.
void loadSample(APlugin& plugin, const TempFolder& folder, int sampleSlot, bool looped, SampleDirection direction,
                param::SampleLayer layer = param::kLayerA);

} // namespace kravo::test
