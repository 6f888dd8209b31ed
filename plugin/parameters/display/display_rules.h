#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kravo::param::display {

// How a parameter's value becomes its display text. Where a text also depends on another
// parameter, `ref` is that parameter's distance from the displayed one.
enum class Format : std::uint8_t {
    Dashes,               // "----": the index carries no setting
    Empty,                // no text at all
    Linear,               // pattern of v * scale + offset
    LinearInt,            // pattern of int(v * scale + offset)
    CountDown,            // "%d" of offset - int(v * scale)
    Balance,              // pattern of 200v below the middle, pattern2 of 200(1 - v) from it
    Exponential,          // pattern of scale * 2^(v * octaves) + offset
    ExponentialInt,       // pattern of int(scale * 2^(v * octaves))
    Decibel,              // v * scale + offset in dB, with a sign when above 0
    Frequency,            // 20 Hz .. 20.5 kHz over ten octaves
    ScaledFrequency,      // scale * 2^(v * octaves) Hz
    PowerTime,            // scale^v ms, seconds from 1000 ms
    OffsetPowerTime,      // (scale + 0.5)^v - 0.5 ms
    Time,                 // 2^(14v) ms
    HeldTime,             // "Held" at the very top, else as Time
    Rate,                 // 55 * 2^(v * octaves) / scale Hz; "Off" at 0 when offset is not 0
    SyncedRate,           // a note length when the sync switch at ref is on, else a rate
    SyncedTime,           // a delay note when the sync switch at ref is above the middle, else ms
    NoiseMix,             // sine/white below the middle, white/pink from it
    WhitePink,            // white/pink over the whole range
    PercentOfLength,      // 100v^2 % of the length
    LoopPosition,         // the sample frame kept in the position's high parameter at ref and its low one
    Switch,               // pattern below the middle, pattern2 from it
    ModAmount,            // by the kind of the destination chosen at ref
    Choice,               // entry int(v * scale) of the list, held to the last entry
    NoteLength,           // a tempo-synced note length
    VoiceDistortion,      // by the distortion type at ref; `part` 0 or 1 is which of the two parameters
    EffectModDestination, // the slot's mix, pan or one of its effect's parameters; the type at ref
    EffectParameter,      // by the slot's effect type
    RoomSize,             // quarter metres
    SampleRateDivider,    // the sample rate a bit reducer keeps
    CompressorRatio,
};

struct Rule {
    Format format = Format::Dashes;
    const char* pattern = "";
    const char* pattern2 = "";
    float scale = 1.0f;
    float offset = 0.0f;
    float octaves = 0.0f;
    // Where set, octaves are the engine's octave span of this ratio rather than `octaves`.
    float ratio = 0.0f;
    int ref = 0;
    int part = 0;
    std::span<const std::string_view> list{};
};

constexpr Rule dashes() { return {}; }
constexpr Rule empty() { return {.format = Format::Empty}; }
constexpr Rule linear(const char* pattern, float scale, float offset)
{
    return {.format = Format::Linear, .pattern = pattern, .scale = scale, .offset = offset};
}
constexpr Rule linearInt(const char* pattern, float scale, float offset)
{
    return {.format = Format::LinearInt, .pattern = pattern, .scale = scale, .offset = offset};
}
constexpr Rule balance(const char* below, const char* above)
{
    return {.format = Format::Balance, .pattern = below, .pattern2 = above};
}
constexpr Rule exponential(const char* pattern, float scale, float octaves, float offset = 0.0f)
{
    return {.format = Format::Exponential, .pattern = pattern, .scale = scale, .offset = offset, .octaves = octaves};
}
constexpr Rule exponentialOf(const char* pattern, float scale, float ratio)
{
    return {.format = Format::Exponential, .pattern = pattern, .scale = scale, .ratio = ratio};
}
constexpr Rule exponentialInt(const char* pattern, float scale, float octaves)
{
    return {.format = Format::ExponentialInt, .pattern = pattern, .scale = scale, .octaves = octaves};
}
constexpr Rule decibel(float scale, float offset)
{
    return {.format = Format::Decibel, .scale = scale, .offset = offset};
}
constexpr Rule scaledFrequency(float base, float octaves)
{
    return {.format = Format::ScaledFrequency, .scale = base, .octaves = octaves};
}
constexpr Rule scaledFrequencyOf(float base, float ratio)
{
    return {.format = Format::ScaledFrequency, .scale = base, .ratio = ratio};
}
constexpr Rule powerTime(float top) { return {.format = Format::PowerTime, .scale = top}; }
constexpr Rule offsetPowerTime(float top) { return {.format = Format::OffsetPowerTime, .scale = top}; }
constexpr Rule rate(float divisor, float octaves, bool offAtZero)
{
    return {.format = Format::Rate, .scale = divisor, .offset = offAtZero ? 1.0f : 0.0f, .octaves = octaves};
}
constexpr Rule withRef(Format format, int ref) { return {.format = format, .ref = ref}; }
constexpr Rule switchTexts(const char* off, const char* on)
{
    return {.format = Format::Switch, .pattern = off, .pattern2 = on};
}
template <std::size_t N>
constexpr Rule choice(const std::array<std::string_view, N>& list, float scale)
{
    return {.format = Format::Choice, .scale = scale, .list = list};
}
// A choice of n entries read the common way, as int(v * (n - 0.01)).
template <std::size_t N>
constexpr Rule choice(const std::array<std::string_view, N>& list)
{
    return choice(list, static_cast<float>(N) - 0.01f);
}
constexpr Rule voiceDistortion(int typeRef, int part)
{
    return {.format = Format::VoiceDistortion, .ref = typeRef, .part = part};
}

} // namespace kravo::param::display
