#include "plugin/aplugin.h"

namespace {

constexpr std::int32_t kStatusNoteOff = 0x80;
constexpr std::int32_t kStatusNoteOn = 0x90;
constexpr std::int32_t kStatusPolyPressure = 0xA0;
constexpr std::int32_t kStatusControlChange = 0xB0;
constexpr std::int32_t kStatusChannelPressure = 0xD0;
constexpr std::int32_t kStatusPitchBend = 0xE0;

// Modulation sources the dispatch feeds.
constexpr std::int32_t kSourceModWheel = 1;
constexpr std::int32_t kSourceWheelOrPressure = 2;
constexpr std::int32_t kSourceChannelPressure = 3;
constexpr std::int32_t kSourcePolyPressure = 4;
constexpr std::int32_t kSourceVelocity = 5;
constexpr std::int32_t kSourcePitchBend = 6;

// Controllers that reset every voice: all sound off, reset all controllers, all notes off.
bool isResetController(std::int32_t controller)
{
    return controller == 120 || controller == 121 || controller == 123;
}

// The modulation source a controller feeds besides any learned parameter (0: none).
constexpr std::int32_t kFixedSourceOfController[128] = {
    0, 0, 7, 0, 8, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0,          // 0..15
    10, 11, 12, 13, 14, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,    // 16..31
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,          // 32..47
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,          // 48..63
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,          // 64..79
    0, 0, 0, 0, 16, 17, 18, 19, 20, 21, 22, 0, 0, 0, 0, 0,   // 80..95
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,          // 96..111
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,          // 112..127
};

} // namespace

std::int32_t APlugin::processEvents(PlugEvents* events)
{
    midiQueue.queue(events);
    return 1;
}

void APlugin::dispatchMidiEvents(std::int32_t sampleIndex)
{
    midiQueue.dispatchDue(sampleIndex, [this](const PlugMidiEvent& event) { handleMidiEvent(event); });
}

void APlugin::handleMidiEvent(const PlugMidiEvent& event)
{
    const std::int32_t status = event.midiData[0] & 0xF0; // every channel plays
    const std::int32_t d1 = event.midiData[1] & 0x7F;
    const std::int32_t d2 = event.midiData[2] & 0x7F;
    switch (status) {
    case kStatusNoteOn:
        if (d2 > 0) {
            engine.setModSource(kSourceVelocity, static_cast<float>(d2 / 127.0));
            const std::int32_t pad = noteMap.padOf(d1);
            engine.setPadGate(pad, 1.0f);
            showVoiceActivity(pad, true);
            engine.triggerPad(pad, d2, 0.0f, 0.0f, 1.0f);
            break;
        }
        [[fallthrough]];
    case kStatusNoteOff: {
        const std::int32_t pad = noteMap.padOf(d1);
        engine.setPadGate(pad, 0.0f);
        showVoiceActivity(pad, false);
        engine.releasePad(pad, d2);
        break;
    }
    case kStatusPolyPressure:
        engine.setModSource(kSourcePolyPressure, static_cast<float>(d2 / 127.0));
        engine.setModSource(kSourceWheelOrPressure, static_cast<float>(d2 / 127.0));
        break;
    case kStatusControlChange: handleControlChange(d1, static_cast<float>(d2 / 127.0)); break;
    case kStatusChannelPressure:
        engine.setModSource(kSourceChannelPressure, static_cast<float>(d1 / 127.0));
        engine.setModSource(kSourceWheelOrPressure, static_cast<float>(d1 / 127.0));
        break;
    case kStatusPitchBend: {
        const double bend = (d1 / 128.0 + d2) / 128.0;
        engine.setModSourceBipolar(kSourcePitchBend, static_cast<float>(bend), static_cast<float>(2.0 * (bend - 0.5)));
        break;
    }
    default: break;
    }
}

void APlugin::handleControlChange(std::int32_t controller, float value)
{
    const bool learnable = !isResetController(controller);
    if (learnable && midiLatchRequest.load()) {
        const std::int32_t target = midiLearnTarget.load();
        midiCcMap.set(controller, target);
        writeMidiMapEntry(controller, target);
        midiLatchRequest = false;
    }
    if (midiUnlatchRequest.exchange(false)) {
        const std::int32_t target = midiLearnTarget.load();
        for (std::int32_t n = 0; n < MidiCcMap::kControllers; ++n) {
            if (midiCcMap.parameterOf(n) == target) {
                midiCcMap.set(n, 0);
                writeMidiMapEntry(n, 0);
            }
        }
    }

    if (controller == 1) {
        engine.setModWheel(value);
        engine.setModSource(kSourceWheelOrPressure, value);
        engine.setModSource(kSourceModWheel, value);
    } else if (isResetController(controller)) {
        resetAllVoices();
    } else if (const std::int32_t source = kFixedSourceOfController[controller]; source != 0) {
        engine.setModSource(source, value);
    }

    const std::int32_t parameter = midiCcMap.parameterOf(controller);
    if (learnable && parameter != 0)
        setParameter(parameter, value);
}

// Runs on the audio thread, where the store (a lock and a file) is out of reach: the map has already
// changed, and the main thread stores the marked entry at its next visit.
void APlugin::writeMidiMapEntry(std::int32_t controller, std::int32_t parameter)
{
    (void)parameter;
    midiCcMap.markUnsaved(controller);
}
