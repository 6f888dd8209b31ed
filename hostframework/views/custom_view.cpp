#include "hostframework/views/custom_view.h"

#include "hostframework/host_error.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/plate_colours.h"
#include "hostframework/views/view_description.h"
#include "hostlibs/extension/host_graphics.h"

#include <new>

namespace {

// Pattern 1001 lies behind plates of style 0, pattern 1002 behind every other.
constexpr std::int16_t kPatternIDs[2] = {1001, 1002};

// Each description view holds one reference for its whole life; the last one releases both patterns.
struct SSharedPatterns {
    HostPixelPattern patterns[2]{};
    int liveViews = 0;
};

SSharedPatterns& shared()
{
    static SSharedPatterns state;
    return state;
}

} // namespace

CCustomView* NewCustomView()
{
    return new (std::nothrow) CCustomView;
}

CCustomView::CCustomView()
{
    LoadMissingPatterns();
    ++shared().liveViews;
}

CCustomView::~CCustomView()
{
    SSharedPatterns& state = shared();
    if (--state.liveViews > 0)
        return;
    for (HostPixelPattern& pattern : state.patterns) {
        if (pattern != nullptr)
            HostExtDisposePixelPattern(pattern);
        pattern = nullptr;
    }
}

// A pattern the resource file does not hold stays null and is looked for again by the next view.
void CCustomView::LoadMissingPatterns()
{
    SSharedPatterns& state = shared();
    if (state.patterns[0] != nullptr && state.patterns[1] != nullptr)
        return;
    const std::int16_t previous = UsePlugInResFile();
    for (int i = 0; i < 2; ++i)
        if (state.patterns[i] == nullptr)
            state.patterns[i] = LoadPixPat(kPatternIDs[i]);
    RestoreResFile(previous);
}

void CCustomView::SetPort(HostPort newPort)
{
    if (newPort != nullptr && !PlateStylesDerived()) {
        HostColor background{};
        GetBackColor(&background);
        DerivePlateStyles(background);
    }
    CPlugInView::SetPort(newPort);
}

void CCustomView::GetBackColor(HostColor* out)
{
    if (plate)
        *out = PlateColour(GetPlateStyle(), kPlateFaceColour);
    else
        CPlugInView::GetBackColor(out);
}

HostPixelPattern CCustomView::GetBackPattern()
{
    if (plate)
        return shared().patterns[plateStyle == 0 ? 0 : 1];
    return CPlugInView::GetBackPattern();
}

void CCustomView::EraseBackground(const HostRect& area)
{
    if (plate)
        DrawPlate(area);
    else
        CPlugInView::EraseBackground(area);
}

void CCustomView::ReadDescription(SParseState& state)
{
    const SValueCell* group = state.groups;
    ThrowIfFalse(group != nullptr);
    state.groups = group->next;
    const SValueCell* element = group->List();
    ThrowIfFalse(element != nullptr && element->kind == kCodeKind);
    SetID(element->Code());
    for (element = element->next; element != nullptr; element = element->next) {
        if (element->kind == kConstantKind && element->value == kPlateConstant) {
            plate = true;
        } else if (element->kind == kConstantKind && element->value == kInversePlateConstant) {
            plate = true;
            inverse = true;
        } else {
            ThrowIfFalse(element->kind == kIntegerKind);
            plateStyle = static_cast<std::int16_t>(element->Integer());
        }
    }
    LoadMissingPatterns();
}

void CCustomView::SetPlate(bool newPlate, std::int16_t style, std::uint16_t newGrips)
{
    plate = newPlate;
    plateStyle = style;
    grips = newGrips;
    if (GetPort() != nullptr) {
        HostRect frame{};
        Draw(GetFrame(&frame));
    }
}

std::int16_t CCustomView::GetPlateStyle()
{
    if (IsHighlighted())
        return 1;
    if (IsHighlightedByHost()) {
        std::int16_t colour = -1;
        std::int16_t number = 0;
        const char* text = nullptr;
        GetHostHighlight(&colour, &number, &text);
        switch (colour) {
        case 0:
            return 2;
        case 1:
            return 5;
        case 2:
            return 3;
        case 3:
            return 6;
        default:
            break;
        }
    }
    return plateStyle;
}
