#include "hostframework/views/custom_view.h"
#include "hostframework/views/plate_colours.h"
#include "hostframework/views/view_builder.h"
#include "tests/hostframework/views/built_editor.h"
#include "tests/hostframework/views/view_test.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

namespace {

using kravo::test::ViewTest;

constexpr COLORREF grey(int level)
{
    return RGB(level, level, level);
}

// A pixel of a picture and the grey it shows.
struct GreyPixel {
    int x;
    int y;
    int level;
};

void expectGreys(const platform::Image& picture, std::initializer_list<GreyPixel> pixels)
{
    for (const GreyPixel& pixel : pixels)
        EXPECT_EQ(picture.at(pixel.x, pixel.y), grey(pixel.level)) << "at " << pixel.x << ", " << pixel.y;
}

// "RRRR GGGG BBBB" in hexadecimal.
std::string text(const HostColor& colour)
{
    char out[16];
    std::snprintf(out, sizeof out, "%04X %04X %04X", colour.red, colour.green, colour.blue);
    return out;
}

// A root that answers the host's highlight as a test sets it.
class HostHighlightedRoot : public CCustomView {
public:
    bool IsHighlightedByHost() override { return highlighted; }
    void GetHostHighlight(std::int16_t* colour, std::int16_t* number, const char** text) override
    {
        *colour = hostColour;
        *number = 1;
        *text = "";
    }
    bool highlighted = false;
    std::int16_t hostColour = 0;
};

class CustomViews : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        ForgetDerivedPlateStyles();
    }

    void TearDown() override
    {
        ForgetDerivedPlateStyles();
        ViewTest::TearDown();
    }

    static std::unique_ptr<CCustomView> built(const std::string& text, HostRect frame)
    {
        const SViewRecord record = kravo::test::editorRecord(text, frame);
        bool isDescription = false;
        std::unique_ptr<CCustomView> view(BuildViewFromRecord(&record, &isDescription));
        EXPECT_NE(view, nullptr) << text;
        return view;
    }

    // The view drawn alone on a white port of its size.
    platform::Image drawn(CCustomView& view)
    {
        HostRect frame{};
        view.GetFrame(&frame);
        HostPort port = viewPort({0, 0, frame.bottom, frame.right});
        view.SetPort(port);
        view.Draw(nullptr);
        return pictureOf(port);
    }

    // Opens the library again with another resource file beside it, or none. The library holds its file
    // open while it is open.
    void reopenWith(const std::string& resourceFile)
    {
        gProcessGroup = nullptr;
        WinPlugInClose();
        std::filesystem::remove(folder / "Views.dll.rsr");
        if (!resourceFile.empty())
            std::filesystem::copy_file(resourceFile, folder / "Views.dll.rsr");
        ASSERT_EQ(WinPlugInOpen(73), 0);
        DeletePlugInGroup();
        gProcessGroup = &group;
    }

    // The plug-in's own resource file holds both shared patterns.
    void useThePlugInsResourceFile() { reopenWith(std::string(KRAVO_LIBRARY) + ".rsr"); }

    static int resourceFileOpens()
    {
        int opens = 0;
        for (const auto& event : hostext::resourceFileEvents())
            opens += event.open ? 1 : 0;
        return opens;
    }
};

TEST_F(CustomViews, APlateOfStyleZeroHasLightTopLeftEdgesAndDarkBottomRightOnes)
{
    const auto plate = built("!Background[('abcd' plate)]", {0, 0, 10, 20});
    const platform::Image picture = drawn(*plate);
    expectGreys(picture, {{0, 0, 0xDD}, {19, 0, 0x88}, {1, 1, 0xBB}, {5, 5, 0xAA}, {5, 7, 0x88}, {5, 8, 0x55},
                          {5, 9, 0x22}, {19, 5, 0x22}, {0, 9, 0x88}});
}

TEST_F(CustomViews, AnInversePlateSwapsLightAndShade)
{
    const auto plate = built("!Background[('abcd' inversePlate)]", {0, 0, 10, 20});
    const platform::Image picture = drawn(*plate);
    expectGreys(picture, {{0, 0, 0x22}, {1, 1, 0x55}, {2, 2, 0x88}, {18, 5, 0xBB}, {5, 9, 0xDD}, {5, 5, 0xAA}});
    EXPECT_EQ(picture.at(17, 7), grey(0xAA)); // the face sits one pixel lower and further right
}

TEST_F(CustomViews, GripsCutAThirdOfTheInsetAcrossOrDownIntoRibs)
{
    // The inset frame is 24 high and 34 wide.
    const HostRect frame{0, 0, 30, 40};
    const auto countRows = [](const platform::Image& picture, COLORREF colour) {
        int rows = 0;
        for (int v = 3; v < 27; ++v)
            rows += picture.at(20, v) == colour ? 1 : 0;
        return rows;
    };
    const auto countColumns = [](const platform::Image& picture, COLORREF colour) {
        int columns = 0;
        for (int h = 3; h < 37; ++h)
            columns += picture.at(h, 14) == colour ? 1 : 0;
        return columns;
    };
    auto plate = built("!Background[('abcd')]", frame);
    plate->SetPlate(true, 0, 0);
    const platform::Image plain = drawn(*plate);
    EXPECT_EQ(countRows(plain, grey(0xDD)), 0);

    plate->SetPlate(true, 0, CCustomView::kHorizontalRibs);
    platform::Image picture = pictureOf(plate->GetPort());
    EXPECT_EQ(countRows(picture, grey(0xDD)), 8);
    EXPECT_EQ(countRows(picture, grey(0x88)), 8);
    EXPECT_EQ(picture.at(4, 4), grey(0xDD));
    EXPECT_EQ(picture.at(3, 3), grey(0x88));
    EXPECT_EQ(countColumns(picture, grey(0xDD)), 0);

    plate->SetPlate(true, 0, CCustomView::kVerticalRibs);
    picture = pictureOf(plate->GetPort());
    EXPECT_EQ(countColumns(picture, grey(0xDD)), 11);
    EXPECT_EQ(countColumns(picture, grey(0x88)), 11);
    EXPECT_EQ(countRows(picture, grey(0xDD)), 0);
}

TEST_F(CustomViews, TheDerivedStylesFollowTheBackgroundOfTheFirstViewToGetAPort)
{
    CCustomView root;
    root.SetPort(nullptr);
    EXPECT_FALSE(PlateStylesDerived());
    HostPort port = viewPort({0, 0, 20, 20});
    root.SetPort(port);
    EXPECT_TRUE(PlateStylesDerived());
    EXPECT_EQ(text(PlateColour(-2, 0)), "ADBE ADBE ADBE");
    EXPECT_EQ(text(PlateColour(-2, 2)), "8883 8883 8883");
    EXPECT_EQ(text(PlateColour(-2, 5)), "56DF 56DF 56DF");
    EXPECT_EQ(text(PlateColour(-1, 0)), "3E0D 3E0D 3E0D");
    EXPECT_EQ(text(PlateColour(-1, 3)), "0C69 0C69 0C69");
    EXPECT_EQ(text(PlateColour(-1, 4)), "0000 0000 0000");

    // Only the first view to get a port counts.
    CCustomView white;
    white.SetBackColor({0xFFFF, 0xFFFF, 0xFFFF});
    white.SetPort(port);
    EXPECT_EQ(text(PlateColour(-2, 0)), "ADBE ADBE ADBE");

    ForgetDerivedPlateStyles();
    white.SetPort(port);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(text(PlateColour(-2, i)), "FFFF FFFF FFFF") << i;
    EXPECT_EQ(text(PlateColour(-2, 3)), "E8BC E8BC E8BC");
}

TEST_F(CustomViews, ThePlateStyleFollowsTheHighlightThenTheHostsHighlightColour)
{
    HostHighlightedRoot root;
    auto* plate = new CCustomView;
    root.AddSubView(plate, false);
    plate->SetPlate(true, 4, 0);
    EXPECT_EQ(plate->GetPlateStyle(), 4);
    root.highlighted = true;
    const std::int16_t expected[][2] = {{0, 2}, {1, 5}, {2, 3}, {3, 6}, {7, 4}, {-1, 4}};
    for (const auto& [colour, style] : expected) {
        root.hostColour = colour;
        EXPECT_EQ(plate->GetPlateStyle(), style) << colour;
    }
    root.hostColour = 0;
    plate->SetHighlighted(true);
    EXPECT_EQ(plate->GetPlateStyle(), 1);
    EXPECT_EQ(plate->GetOwnPlateStyle(), 4);
}

TEST_F(CustomViews, APlateAnswersItsFaceColourAndTheSharedPatternOfItsOwnStyle)
{
    CCustomView root;
    auto* plain = new CCustomView;
    auto* zero = new CCustomView;
    auto* green = new CCustomView;
    for (CCustomView* view : {plain, zero, green})
        root.AddSubView(view, false);
    zero->SetPlate(true, 0, 0);
    green->SetPlate(true, 3, 0);
    HostColor colour{};
    plain->GetBackColor(&colour);
    EXPECT_EQ(text(colour), "8888 8888 8888");
    EXPECT_EQ(plain->GetBackPattern(), nullptr);
    zero->GetBackColor(&colour);
    EXPECT_EQ(text(colour), "AAAA AAAA AAAA");
    green->GetBackColor(&colour);
    EXPECT_EQ(text(colour), "9999 CCCC 9999");
    // The views' resource file holds pattern 1001 but not 1002.
    EXPECT_NE(zero->GetBackPattern(), nullptr);
    EXPECT_EQ(green->GetBackPattern(), nullptr);

    // Highlighted, the face is style 1's, the pattern still the own style's.
    green->SetHighlighted(true);
    green->GetBackColor(&colour);
    EXPECT_EQ(text(colour), "EEEE EEEE EEEE");
    zero->SetHighlighted(true);
    EXPECT_NE(zero->GetBackPattern(), nullptr);
    zero->SetPlate(true, 1, 0);
    EXPECT_EQ(zero->GetBackPattern(), nullptr);
}

TEST_F(CustomViews, AStyleOutsideTheTableKeepsItsNumberAndDrawsAsStyleZero)
{
    for (std::int16_t style : {-3, 7, 70, -32768, 32767}) {
        CCustomView plate;
        plate.SetFrame({0, 0, 10, 20});
        plate.SetPlate(true, style, CCustomView::kHorizontalRibs | CCustomView::kVerticalRibs);
        EXPECT_EQ(plate.GetOwnPlateStyle(), style);
        HostColor colour{};
        plate.GetBackColor(&colour);
        EXPECT_EQ(text(colour), "AAAA AAAA AAAA") << style;
        const platform::Image picture = drawn(plate);
        EXPECT_EQ(picture.at(0, 0), grey(0xDD)) << style;
        EXPECT_EQ(picture.at(5, 9), grey(0x22)) << style;
    }
}

TEST_F(CustomViews, ThePatternsLoadOnceAndGoWithTheLastDescriptionView)
{
    useThePlugInsResourceFile();
    const int patternsBefore = hostext::livePatternCount();
    hostext::forgetResourceFileEvents();
    auto first = std::make_unique<CCustomView>();
    EXPECT_EQ(resourceFileOpens(), 1);
    EXPECT_EQ(hostext::livePatternCount(), patternsBefore + 2);
    auto tree = built("!Background[('abcd' plate 3)]", {0, 0, 10, 10});
    tree->AddSubView(new CCustomView, false);
    EXPECT_EQ(resourceFileOpens(), 1);
    EXPECT_EQ(hostext::livePatternCount(), patternsBefore + 2);
    first->SetPlate(true, 0, 0);
    EXPECT_NE(first->GetBackPattern(), nullptr);
    EXPECT_NE(tree->GetBackPattern(), nullptr);
    EXPECT_NE(first->GetBackPattern(), tree->GetBackPattern());

    first.reset();
    EXPECT_EQ(hostext::livePatternCount(), patternsBefore + 2);
    tree.reset();
    EXPECT_EQ(hostext::livePatternCount(), patternsBefore);

    // The next view loads them again.
    CCustomView again;
    EXPECT_EQ(resourceFileOpens(), 2);
    EXPECT_EQ(hostext::livePatternCount(), patternsBefore + 2);
}

TEST_F(CustomViews, AMissingPatternIsLookedForAgainByEachNewView)
{
    const int patternsBefore = hostext::livePatternCount();
    hostext::forgetResourceFileEvents();
    CCustomView first;
    CCustomView second;
    EXPECT_EQ(resourceFileOpens(), 2);
    EXPECT_EQ(hostext::livePatternCount(), patternsBefore + 1);
}

TEST_F(CustomViews, AResourceFileThatDoesNotOpenFailsConstructionWith7400)
{
    reopenWith("");
    try {
        CCustomView view;
        ADD_FAILURE() << "built without a resource file";
    } catch (const CHostError& error) {
        EXPECT_EQ(error.GetCode(), -7400);
    }
    SViewRecord record{};
    const std::string text = "!Background[('abcd')]";
    record.length = static_cast<std::uint8_t>(text.size());
    std::memcpy(record.text, text.data(), text.size());
    bool isDescription = false;
    EXPECT_THROW(BuildViewFromRecord(&record, &isDescription), CHostError);

    // With both patterns held by a live view nothing needs the file.
    useThePlugInsResourceFile();
    CCustomView holder;
    gProcessGroup = nullptr;
    WinPlugInClose();
    std::filesystem::remove(folder / "Views.dll.rsr");
    EXPECT_NO_THROW(CCustomView());
    ASSERT_EQ(WinPlugInOpen(73), 0);
    DeletePlugInGroup();
    gProcessGroup = &group;
}

TEST_F(CustomViews, SetPlateDrawsAtOnceWithAPort)
{
    CCustomView plate;
    plate.SetFrame({0, 0, 10, 20});
    const platform::Image before = drawn(plate);
    EXPECT_EQ(before.at(5, 5), grey(0x88));
    plate.SetPlate(true, 4, 0);
    EXPECT_EQ(pictureOf(plate.GetPort()).at(5, 5), grey(0xDD));
    EXPECT_EQ(plate.GetGrips(), 0);
}

} // namespace
