#include "plugin/presets/drum_preset_tables.h"

#include "plugin/parameters/voice_order.h"

#include <array>
#include <initializer_list>

namespace kravo::presets {

namespace {

// A run of indices first, first + step, ... up to last; a single index has step 0.
struct Run {
    int first;
    int last;
    int step;
};

template <std::size_t N>
constexpr std::array<int, N> expand(std::initializer_list<Run> runs)
{
    std::array<int, N> list{};
    std::size_t k = 0;
    for (const Run& run : runs)
        for (int index = run.first; index <= run.last; index += run.step == 0 ? 1 : run.step)
            list.at(k++) = index;
    if (k != N)
        throw "a preset list does not have its value count";
    return list;
}

constexpr Run one(int index)
{
    return {index, index, 0};
}

// The 26 parameters every synthesised voice keeps at 1800 + 16 k + its kind position.
constexpr Run common(int first)
{
    return {first, first + 16 * 25, 16};
}

constexpr auto kBassDrum = expand<56>({one(10), one(34), one(130), one(132), one(134), one(136), common(1800),
                                       one(142), one(144), one(148), one(152), one(154), one(156), one(158),
                                       one(186), one(188), one(190), one(192), {160, 174, 2}, one(180), one(176),
                                       one(178), one(182), one(184)});
constexpr auto kSnare = expand<63>({one(12), one(36), one(250), one(252), one(254), one(256), common(1802),
                                    {262, 322, 2}});
constexpr auto kClosedHiHat = expand<63>({one(14), one(38), one(350), one(352), one(354), one(356), common(1804),
                                          {362, 420, 2}, one(3)});
constexpr auto kOpenHiHat = expand<63>({one(16), one(40), one(470), one(472), one(474), one(476), common(1806),
                                        {482, 540, 2}, one(3)});
constexpr auto kTom = expand<59>({one(20), one(44), one(850), one(868), one(856), one(862), common(1810), one(656),
                                  one(653), {659, 731, 3}});
constexpr auto kClap = expand<48>({one(18), one(42), one(590), one(596), one(592), one(594), common(1808),
                                   {602, 630, 2}, one(634)});
constexpr auto kUser = expand<115>({one(20), one(44), one(850), one(868), one(856), one(862), common(1810),
                                    {886, 1378, 6}});
constexpr auto kSample = expand<87>({{6216, 6248, 8}, one(26), one(50), {6256, 6296, 8}, {6336, 6504, 8},
                                     {6544, 6760, 8}, {7864, 8016, 8}, one(6800), one(6808), one(6304),
                                     one(6312)});

constexpr std::array<DrumPresetSlot, param::kVoiceSlotCount> kSlots = {{
    {0, 0, kBassDrum, 0}, {0, 0, kBassDrum, 1},
    {1, 1, kSnare, 0}, {1, 1, kSnare, 1},
    {3, 2, kClosedHiHat, 0}, {2, 3, kOpenHiHat, 0}, {3, 2, kClosedHiHat, 1}, {2, 3, kOpenHiHat, 1},
    {4, 4, kClap, 0}, {4, 4, kClap, 1},
    {5, 5, kTom, 0}, {5, 5, kTom, 1}, {5, 5, kTom, 2},
    {6, 6, kUser, 3}, {6, 6, kUser, 4}, {6, 6, kUser, 5},
    {7, 7, kSample, 0}, {7, 7, kSample, 1}, {7, 7, kSample, 2}, {7, 7, kSample, 3},
    {7, 7, kSample, 4}, {7, 7, kSample, 5}, {7, 7, kSample, 6}, {7, 7, kSample, 7},
}};

} // namespace

DrumPresetSlot drumPresetSlot(int slot, bool userMode)
{
    if (slot < 0 || slot >= param::kVoiceSlotCount)
        return {0, 0, {}, 0};
    const int tomUser = slot - param::kFirstTomUserSlot;
    if (userMode && tomUser >= 0 && tomUser < param::kTomUserSlotCount)
        return {6, 6, kUser, tomUser};
    return kSlots[static_cast<std::size_t>(slot)];
}

} // namespace kravo::presets
