// The option menus of fixed vocabulary: modulation sources and destinations and the drum models, each
// group in a sub-menu of its own that the main menu holds; the names come from the plug-in's lists.

#include "editor/ueditor.h"

#include "editor/controls/my_option_menu.h"
#include "editor/image_places.h"
#include "editor/menu_styles.h"
#include "plugin/parameters/display/modulation_names.h"
#include "toolkit/bitmap.h"

#include <algorithm>
#include <string>

using Toolkit::CBitmap;
using Toolkit::CRect;

namespace {

namespace display = kravo::param::display;

constexpr std::int32_t kWideMenuImage = 10036;
constexpr std::int32_t kCompactSourceMenuImage = 10032;
constexpr std::int32_t kModelMenuImage = 10192;
using editor::kSubMenuStyle;
constexpr std::size_t kMainSources = 28;
constexpr std::size_t kSourcesPerSequenceGroup = 8;
constexpr std::size_t kGlobalDestinations = 11;
constexpr std::size_t kFirstModulatorDestination = 12;
constexpr std::size_t kModulatorDestinations = 14;
constexpr std::size_t kFirstVoiceDestination = 26;
constexpr int kModelMenuDrop = 2;

constexpr const char* kSynthVoiceTitles[] = {"BD 1",    "BD 2",    "SN 1",    "SN 2",    "CL-HH 1", "OP-HH 1",
                                             "CL-HH 2", "OP-HH 2", "Clap 1",  "Clap 2",  "Tom / User 1",
                                             "Tom / User 2", "Tom / User 3", "User 4", "User 5", "User 6"};

void addNames(myOptionMenu* menu, std::span<const std::string_view> names)
{
    for (const std::string_view name : names)
        menu->addEntry(std::string(name).c_str());
}

} // namespace

// The sub-menu goes to the main menu, which keeps the only lasting reference.
myOptionMenu* uEditor::addSubMenu(myOptionMenu* menu, std::int32_t tag, const char* title)
{
    CRect size;
    menu->getViewSize(size);
    auto* subMenu = new myOptionMenu(size, this, tag, nullptr, nullptr, kSubMenuStyle, true);
    menu->addEntry(subMenu, title);
    subMenu->forget();
    return subMenu;
}

void uEditor::makeModSourceMenuOn(std::int32_t imageId, std::int32_t tag, std::int32_t x, std::int32_t y,
                                  myOptionMenu*& menu, myOptionMenu*& freeSequences, myOptionMenu*& smoothSequences)
{
    CBitmap* background = image(imageId);
    menu = newMainMenu(tag, editor::placedFrom(background, x, y), background);
    const std::span<const std::string_view> sources(display::kModSourceNames);
    addNames(menu, sources.first(kMainSources));
    freeSequences = addSubMenu(menu, tag, "Seq. Free");
    addNames(freeSequences, sources.subspan(kMainSources, kSourcesPerSequenceGroup));
    smoothSequences = addSubMenu(menu, tag, "Seq. Smooth");
    addNames(smoothSequences, sources.subspan(kMainSources + kSourcesPerSequenceGroup, kSourcesPerSequenceGroup));
    registerControl(menu);
}

void uEditor::makeModSourceMenu(std::int32_t tag, std::int32_t x, std::int32_t y, myOptionMenu*& menu,
                                myOptionMenu*& freeSequences, myOptionMenu*& smoothSequences)
{
    makeModSourceMenuOn(kWideMenuImage, tag, x, y, menu, freeSequences, smoothSequences);
}

void uEditor::makeModSourceMenuCompact(std::int32_t tag, std::int32_t x, std::int32_t y, myOptionMenu*& menu,
                                       myOptionMenu*& freeSequences, myOptionMenu*& smoothSequences)
{
    makeModSourceMenuOn(kCompactSourceMenuImage, tag, x, y, menu, freeSequences, smoothSequences);
}

void uEditor::makeModDestinationMenu(std::int32_t tag, std::int32_t x, std::int32_t y, myOptionMenu*& menu,
                                     std::array<myOptionMenu*, kDestinationGroups>& groups)
{
    CBitmap* background = image(kWideMenuImage);
    menu = newMainMenu(tag, editor::placedFrom(background, x, y), background);
    const std::span<const std::string_view> names(display::kModDestinationNames);
    menu->addEntry(std::string(names[0]).c_str());
    std::size_t group = 0;
    groups[group] = addSubMenu(menu, tag, "Global");
    addNames(groups[group++], names.subspan(1, kGlobalDestinations));
    std::size_t next = kFirstVoiceDestination;
    for (const char* title : kSynthVoiceTitles) {
        groups[group] = addSubMenu(menu, tag, title);
        addNames(groups[group++], names.subspan(next, display::kSynthVoiceDestinationWords.size()));
        next += display::kSynthVoiceDestinationWords.size();
    }
    for (const std::string_view title : display::kSampleVoiceDestinationPrefixes) {
        groups[group] = addSubMenu(menu, tag, std::string(title).c_str());
        addNames(groups[group++], names.subspan(next, display::kSampleVoiceDestinationWords.size()));
        next += display::kSampleVoiceDestinationWords.size();
    }
    groups[group] = addSubMenu(menu, tag, "Modulators");
    addNames(groups[group], names.subspan(kFirstModulatorDestination, kModulatorDestinations));
    registerControl(menu);
}

void uEditor::buildModelMenu(myOptionMenu*& menu, std::int32_t tag, std::int32_t x, std::int32_t y,
                             std::span<const char* const> titles, std::span<myOptionMenu*> groups,
                             std::span<const std::int32_t> groupSizes, std::span<const std::string_view> names,
                             float divisor)
{
    CBitmap* background = image(kModelMenuImage);
    menu = newMainMenu(tag, editor::placedFrom(background, x, y + kModelMenuDrop), background);
    std::size_t next = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        groups[g] = addSubMenu(menu, tag, titles[g]);
        const auto count = std::min(static_cast<std::size_t>(groupSizes[g]), names.size() - next);
        addNames(groups[g], names.subspan(next, count));
        next += count;
    }
    registerControl(menu);
    if (tag >= 0 && tag < kParameterCount)
        menuDivisor[static_cast<std::size_t>(tag)] = divisor;
}

void uEditor::makeModelMenu(myOptionMenu*& menu, std::int32_t tag, std::int32_t x, std::int32_t y,
                            std::array<myOptionMenu*, 3>& groups, const std::array<std::int32_t, 3>& groupSizes,
                            std::span<const std::string_view> names, float divisor)
{
    static constexpr std::array<const char*, 3> kTitles = {"Model", "Classic", "Kravo"};
    buildModelMenu(menu, tag, x, y, kTitles, groups, groupSizes, names, divisor);
}

void uEditor::makeSnareModelMenu(myOptionMenu*& menu, std::int32_t tag, std::int32_t x, std::int32_t y,
                                 std::array<myOptionMenu*, 4>& groups, const std::array<std::int32_t, 4>& groupSizes,
                                 std::span<const std::string_view> names, float divisor)
{
    static constexpr std::array<const char*, 4> kTitles = {"Model", "Classic", "Kravo 1", "Kravo 2"};
    buildModelMenu(menu, tag, x, y, kTitles, groups, groupSizes, names, divisor);
}

void uEditor::makeUserModelMenu(myOptionMenu*& menu, std::int32_t tag, std::int32_t x, std::int32_t y,
                                std::array<myOptionMenu*, 5>& groups, const std::array<std::int32_t, 5>& groupSizes,
                                std::span<const std::string_view> names, float divisor)
{
    static constexpr std::array<const char*, 5> kTitles = {"Model", "Classic", "Kravo", "Percussion 1", "Percussion 2"};
    buildModelMenu(menu, tag, x, y, kTitles, groups, groupSizes, names, divisor);
}
