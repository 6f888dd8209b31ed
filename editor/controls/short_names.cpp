#include "editor/controls/short_names.h"

#include "plugin/parameters/display/model_names.h"
#include "plugin/parameters/display/modulation_names.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>

namespace editor {

namespace {

using kravo::param::DrumKind;
namespace names = kravo::param::display;

enum class NameList { bassDrum, snare, hiHat, clap, tom, user, modSource };

// The user list's percussion sounds in the order of their numbers.
constexpr std::array<std::string_view, 62> kPercussionShortNames = {
    "Crash 1",  "Crash 2",   "Crash 3",  "Crash 4",   "Crash 5",   "Crash 6",   "Crash 7",   "Ride 1",
    "Ride 2",   "F.Snap 1",  "F.Snap 2", "F.Snap 3",  "Sleigh",    "Tamb",      "Egg Up",    "Egg Down",
    "Sheke Up", "Sheke Dw",  "Caxici",   "Shaker",    "Cabasa",    "GanzFX",    "FrmDr1",    "FrmDr2",
    "CowBell1", "CowBell1M", "CowBell2", "CowBell2M", "CowBell3",  "CowBell3M", "CowBell3O", "FBell1",
    "FBell2",   "FBell3",    "FBell4",   "Frog",      "BeatR1",    "BeatR2",    "BeatR3",    "Djembme1",
    "Djembme2", "Djembme3",  "Djembme4", "BongoHi1",  "BongoHi2",  "BongoLo1",  "BongoLo2",  "Conga1",
    "Conga2",   "Quinto1",   "Quinto2",  "Tumba1",    "Tumba2",    "Tumba3",    "Tumba4",    "Taiko1",
    "Taiko2",   "OrchBD",    "FxTom",    "SprBox",    "Agogo",     "Crashbox"};

struct Rename {
    std::string_view from;
    std::string_view to;
};

constexpr std::array<Rename, 4> kSourceRenames = {
    {{"Ch. Aftr", "Ch Aftr"}, {"CC2 Breath", "Breath"}, {"CC4 Foot", "Foot"}, {"C11 Exprsn", "Exprsn"}}};

template <DrumKind kind>
bool isModelTag(std::int32_t tag)
{
    constexpr auto tags = kravo::param::kindParameterTable<kind>(kravo::param::drumKindLayout(kind).modelParameter);
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

bool isModSourceTag(std::int32_t tag)
{
    const auto in = [tag](const auto& tags) { return std::find(tags.begin(), tags.end(), tag) != tags.end(); };
    return in(kravo::param::effectModSourceA) || in(kravo::param::effectModSourceB);
}

std::optional<NameList> listOfTag(std::int32_t tag)
{
    if (isModelTag<DrumKind::Bd>(tag))
        return NameList::bassDrum;
    if (isModelTag<DrumKind::Sn>(tag))
        return NameList::snare;
    if (isModelTag<DrumKind::ClosedHiHat>(tag) || isModelTag<DrumKind::OpenHiHat>(tag))
        return NameList::hiHat;
    if (isModelTag<DrumKind::Clap>(tag))
        return NameList::clap;
    if (isModelTag<DrumKind::Tom>(tag))
        return NameList::tom;
    if (isModelTag<DrumKind::TomUser>(tag))
        return NameList::user;
    if (isModSourceTag(tag))
        return NameList::modSource;
    return std::nullopt;
}

std::span<const std::string_view> longNames(NameList list)
{
    switch (list) {
    case NameList::bassDrum: return names::kBassDrumModelNames;
    case NameList::snare: return names::kSnareModelNames;
    case NameList::hiHat: return names::kHiHatModelNames;
    case NameList::clap: return names::kClapModelNames;
    case NameList::tom: return names::kTomModelNames;
    case NameList::user: return names::kUserModelNames;
    case NameList::modSource: return names::kModSourceNames;
    }
    return {};
}

// The first word of the text and what follows its blank.
std::pair<std::string_view, std::string_view> splitWord(std::string_view text)
{
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

bool isNumber(std::string_view word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

int numberOf(std::string_view word)
{
    int number = 0;
    for (const char c : word)
        number = number * 10 + (c - '0');
    return number;
}

std::string sourceShortName(std::string_view name)
{
    for (const Rename& rename : kSourceRenames)
        if (name == rename.from)
            return std::string(rename.to);
    constexpr std::string_view kFree = " Free";
    if (!name.ends_with(kFree))
        return std::string(name);
    std::string shortName(name.substr(0, name.size() - kFree.size()));
    for (const Rename& rename : {Rename{"Groove", "Grv"}, Rename{"Break", "Brk"}})
        if (const std::size_t at = shortName.find(rename.from); at != std::string::npos)
            shortName.replace(at, rename.from.size(), rename.to);
    return shortName;
}

// The number a model name carries after its family word; an unnumbered name takes the one after its
// predecessor's.
int modelNumber(std::span<const std::string_view> list, std::size_t index)
{
    const std::string_view rest = splitWord(splitWord(list[index]).second).second;
    const std::string_view number = splitWord(rest).first;
    if (isNumber(number))
        return numberOf(number);
    return index == 0 ? 0 : modelNumber(list, index - 1) + 1;
}

// The voice word goes, the family stays with its number, the rest of the name goes but for the
// hi-hats' closed or open and the user models' long variants.
std::string modelShortName(NameList list, std::size_t index)
{
    const std::span<const std::string_view> all = longNames(list);
    const auto [family, rest] = splitWord(splitWord(all[index]).second);
    const auto [numberWord, after] = splitWord(rest);
    const int number = modelNumber(all, index);
    if (family == "Perc.") {
        const auto percussion = static_cast<std::size_t>(number - 1);
        return percussion < kPercussionShortNames.size() ? std::string(kPercussionShortNames[percussion]) : std::string();
    }
    std::string shortName(family);
    if (list == NameList::hiHat && family == "Classic")
        shortName = "Classc";
    shortName += ' ';
    if (list == NameList::clap && family == "Kravo")
        shortName += numberWord;
    else
        shortName += std::to_string(number);
    if (list == NameList::hiHat && family != "Model" && !after.empty())
        shortName += after.front();
    if (list == NameList::user && family == "Model" && after == "Long")
        shortName += "-L";
    return shortName;
}

} // namespace

std::optional<std::string> shortMenuName(std::int32_t tag, std::string_view text)
{
    const std::optional<NameList> list = listOfTag(tag);
    if (!list)
        return std::nullopt;
    const std::span<const std::string_view> all = longNames(*list);
    const auto found = std::find(all.rbegin(), all.rend(), text);
    if (found == all.rend())
        return std::nullopt;
    const auto index = static_cast<std::size_t>(all.rend() - found - 1);
    return *list == NameList::modSource ? sourceShortName(all[index]) : modelShortName(*list, index);
}

} // namespace editor
