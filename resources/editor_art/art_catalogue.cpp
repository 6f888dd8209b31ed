#include "resources/editor_art/art_catalogue.h"

#include <algorithm>
#include <array>

namespace editor_art {

namespace {

constexpr int kKnobFrames = 151;

// A section panel heads n knob columns at 47 pixels each with 13 to spare, so neighbours may overlap.
constexpr int kPanelHeight = 48;
constexpr int kFirstPanel = 10080;
constexpr int kLastPanel = 10127;
constexpr std::array kTwoColumnPanels{10093, 10119};
constexpr std::array kFourColumnPanels{10080, 10083, 10087, 10090, 10095, 10097, 10103, 10105, 10109, 10110, 10114,
    10115, 10118, 10124, 10127};
constexpr std::array kFiveColumnPanels{10082, 10086, 10088, 10091, 10092, 10096, 10098, 10102, 10113, 10121, 10122,
    10123, 10126};

template <std::size_t size>
constexpr bool contains(const std::array<int, size>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

constexpr int panelColumns(int id)
{
    if (contains(kTwoColumnPanels, id))
        return 2;
    if (contains(kFourColumnPanels, id))
        return 4;
    return contains(kFiveColumnPanels, id) ? 5 : 3;
}

struct Range {
    int first;
    int last;
    int width;
    int height;
    int frames;
    Painter paint;
};

// Ranges of ids that share size and painter, in id order.
constexpr std::array<Range, 57> kRanges{{
    {10000, 10000, 984, 623, 1, paintWindow},
    {10001, 10001, 984, 623, 1, paintOverlay},
    {10008, 10008, 673, 223, 1, paintModulationPage},
    {10011, 10012, 720, 208, 1, paintPatternPage},
    {10013, 10013, 13, 26, 2, paintSelectLight},
    {10015, 10015, 45, 182, 1, paintFaderTrack},
    {10016, 10016, 47, 40, 1, paintFaderHandle},
    {10019, 10022, 11, 32, 2, paintArrowButton},
    {10026, 10027, 10, 18, 2, paintArrowButton},
    {10028, 10028, 18, 9, 1, paintConnector},
    {10030, 10030, 66, 20, 1, paintMenu},
    {10031, 10031, 100, 20, 1, paintMenu},
    {10032, 10032, 71, 20, 1, paintMenu},
    {10033, 10033, 67, 20, 1, paintMenu},
    {10034, 10034, 59, 20, 1, paintMenu},
    {10035, 10035, 72, 20, 1, paintMenu},
    {10036, 10036, 107, 14, 1, paintMenu},
    {10038, 10038, 143, 14, 1, paintMenu},
    {10040, 10041, 21, 42, 2, paintLetterButton},
    {10042, 10042, 21, 21, 1, paintMidiButton},
    {10043, 10043, 21, 42, 2, paintLetterButton},
    {10045, 10045, 232, 120, 2, paintLogo},
    {10046, 10047, 21, 42, 2, paintLetterButton},
    {10053, 10053, 42, 42 * kKnobFrames, kKnobFrames, paintKnob},
    {10054, 10054, 50, 50 * kKnobFrames, kKnobFrames, paintKnob},
    {10055, 10055, 42, 42 * kKnobFrames, kKnobFrames, paintKnob},
    {10056, 10057, 22, 44, 2, paintSwitch},
    {10058, 10058, 136, 18, 1, paintMenu},
    {10059, 10059, 220, 18, 1, paintMenu},
    {10063, 10063, 20, 28, 2, paintTabButton},
    {10064, 10064, 42, 84, 2, paintPositionSwitch},
    {10065, 10065, 18, 36, 2, paintCentreButton},
    {10077, 10077, 13, 121, 1, paintRule},
    {10078, 10078, 13, 73, 1, paintRule},
    {10079, 10079, 53, 33, 1, paintPanel},
    // 10080..10127 come from the panel table.
    {10140, 10141, 673, 223, 1, paintVoicePage},
    {10150, 10150, 921, 223, 1, paintMixerPage},
    {10151, 10151, 922, 223, 1, paintEasyPage},
    {10152, 10153, 921, 17, 1, paintPageTabs},
    {10160, 10161, 10, 960, 1, paintBitmapFont},
    {10167, 10167, 16, 16, 2, paintBypassMark},
    {10168, 10171, 19, 19, 1, paintStepCell},
    {10172, 10173, 28, 224, 1, paintStepNumbers},
    {10174, 10174, 5, 40, 1, paintScrollThumb},
    {10175, 10175, 9, 11, 1, paintFolder},
    {10176, 10176, 86, 14, 1, paintSelectionBar},
    {10177, 10178, 172, 14, 1, paintSelectionBar},
    {10180, 10181, 6, 20, 2, paintArrowButton},
    {10182, 10183, 11, 20, 2, paintArrowButton},
    {10190, 10190, 9, 32, 2, paintArrowButton},
    {10191, 10191, 11, 32, 2, paintArrowButton},
    {10192, 10192, 57, 16, 1, paintMenu},
    {10201, 10201, 921, 223, 1, paintSamplePage},
    {10206, 10206, 198, 208, 1, paintVoiceSelector},
    {10210, 10233, 70, 66, 2, paintVoicePad},
    {10260, 10271, 241, 223, 1, paintEffectsPage},
    {10300, 10307, 77, 66, 2, paintPatternPad},
}};

std::vector<ArtImage> listed()
{
    std::vector<ArtImage> images;
    for (const Range& range : kRanges)
        for (int id = range.first; id <= range.last; ++id)
            images.push_back({id, range.width, range.height, range.frames, range.paint});
    for (int id = kFirstPanel; id <= kLastPanel; ++id)
        images.push_back({id, 47 * panelColumns(id) + 13, kPanelHeight, 1, paintPanel});
    std::sort(images.begin(), images.end(), [](const ArtImage& a, const ArtImage& b) { return a.id < b.id; });
    return images;
}

} // namespace

const std::vector<ArtImage>& catalogue()
{
    static const std::vector<ArtImage> images = listed();
    return images;
}

Canvas render(const ArtImage& image, Typeface& type)
{
    Canvas whole(image.width, image.height);
    const int frameHeight = image.height / image.frames;
    for (int frame = 0; frame < image.frames; ++frame) {
        Canvas canvas(image.width, frameHeight);
        image.paint(Sketch{canvas, type, image.id, frame});
        whole.paste(canvas, 0, frame * frameHeight);
    }
    return whole;
}

} // namespace editor_art
