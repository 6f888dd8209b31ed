#pragma once

#include <cstdint>

// What the latest note-on of a drum slot recorded.
struct SlotNoteState {
    std::uint32_t active = 0;
    std::uint32_t lastVoice = 0;
    std::uint32_t pad = 0;
    float velocity = 0.0f;
    std::uint32_t output = 0;
    std::uint32_t chokeGroup = 0;
    std::uint32_t alternate = 0;
    float noteLevel = 0.0f;
    float notePan = 0.0f;
    float pitchFactor = 1.0f;
    float notePitch = 0.0f;
    float phaseIncrement = 0.0f;
};
